#ifndef STYLEWINDOW_H
#define STYLEWINDOW_H

#include "FramelessWindow.h"

#include <QImage>
#include <QRgb>

class ImageButton;

// The application frame: a title band, side borders and a bottom band painted from skin pieces
// around a plain interior, minimize / maximize / close buttons at the top right, and resizing by
// any edge or corner (5-pixel zones, with matching cursor shapes). After every resize the derived
// window lays out its own children in layoutContents().
class StyleWindow : public FramelessWindow
{
    Q_OBJECT

public:
    StyleWindow();

    // Width of the edge zones a resize can start from.
    static constexpr int EdgeZone = 5;

    ImageButton *minimizeButton;
    ImageButton *maximizeButton;
    ImageButton *closeButton;
    // 0 = left / top edge, 1 = inside, 2 = right / bottom edge, for the last cursor position.
    int hZone = 1;
    int vZone = 1;
    bool resizing = false;
    QImage topLeft;
    QImage topRight;
    QImage bottomLeft;
    QImage bottomRight;
    QImage topMid;
    QImage bottomMid;
    QImage midLeft;
    QImage midRight;
    QImage topMidScaled;
    QImage bottomMidScaled;
    QImage midLeftScaled;
    QImage midRightScaled;
    QRgb fillColor;

public slots:
    void minimize();
    void maximize();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

public:
    // Places the derived window's children; called at the end of every resize.
    virtual void layoutContents() = 0;

private:
    void updateZones(const QPoint &pos);
    Qt::Edges zoneEdges() const;
    void updateCursor();
    void resizeStep(const QPoint &pos);
};

#endif
