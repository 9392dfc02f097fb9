#ifndef CANVASCONSTANTS_H
#define CANVASCONSTANTS_H

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Colour effect laid over the whole picture, drawings included.
enum Effect {
    EffectColor = 0,
    EffectBW = 1,
    EffectNegative = 2,
    EffectMosaic = 3
};

// Area of the view that is painted black.
enum MaskKind {
    MaskNone = 0,
    MaskCircle = 1,
    MaskRectangle = 2,
    MaskLeft = 3,
    MaskTop = 4
};

// What the mouse does on a canvas.
enum DrawMode {
    Hand = 0,
    Freehand = 1,
    Line = 2,
    Arrow = 3,
    Rectangle = 4,
    Circle = 5,
    Triangle = 6,
    Eraser = 7,
    Clip = 8,
    Text = 9
};

// The names shared by the canvas, its display, the main window and the tool windows. Keys also
// name the icons ("ICON_EFFECT_%1", "OSD_MASK_%1", ...). Values outside a list act like its first
// entry, as the canvas treats them.
class CanvasConstants
{
    Q_DECLARE_TR_FUNCTIONS(CanvasConstants)

public:
    static const QStringList &effectKeys();   // "COLOR", "BW", "NEGATIVE", "MOSAIC"
    static const QStringList &effectNames();  // "Color", "B & W", "Negative", "Mosaic", as is
    static QString effectKey(int effect);
    static QString effectName(int effect);
    static QString translatedEffectName(int effect);

    static const QStringList &maskKeys();     // "", "CIRCLE", "RECTANGLE", "LEFT", "TOP"
    static QString maskKey(int mask);

    // ARGB value of a colour name; "NONE" and unknown names give an invalid colour.
    static QColor namedColor(const QString &name);

    // Each list of names runs parallel to its list of colours; the trailing "NONE" has no colour.
    static const QStringList &lineColorNames();       // "BLACK", "RED", "YELLOW", "SKY", "NONE"
    static const QList<QColor> &lineColors();
    static const QStringList &textColorNames();       // "BLACK", "RED", "YELLOW", "SKY", "NONE"
    static const QList<QColor> &textColors();
    static const QStringList &backgroundColorNames(); // "WHITE", "BLACK", "YELLOW", "SKY", "NONE"
    static const QList<QColor> &backgroundColors();
};

#endif
