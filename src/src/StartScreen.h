#ifndef STARTSCREEN_H
#define STARTSCREEN_H

#include <QImage>
#include <QStringList>

// The pictures a canvas shows before it has anything of its own. The artwork carries no words:
// the sentences are drawn onto it at run time, in the user's language, centred below the
// artwork, where the canvas's standing notice at the top never covers them.
class StartScreen
{
public:
    static const QSize Size;

    // The start artwork (a document camera waiting for its cable) with the lines below it.
    static QImage cameraPicture(const QStringList &lines);
    // The backdrop of the start artwork with a button's picture enlarged in place of the camera,
    // so the picture points at the button the lines speak of.
    static QImage buttonPicture(const QImage &button, const QStringList &lines);

    // Draws the lines centred in the lower part of a picture of Size: the first as a heading,
    // the others below it, each wrapped to the picture's width.
    static void drawLines(QImage &picture, const QStringList &lines);
};

#endif
