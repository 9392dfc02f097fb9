#ifndef TOOLWINDOW_H
#define TOOLWINDOW_H

#include "FramelessWindow.h"

class ImageButton;

// A small pop-up window beside the tool button it belongs to (its anchor), painted from one
// picture, with a white title at the top left and a close button at the top right. It follows
// every move and resize of the main window. Closing only hides it: the main window owns it.
class ToolWindow : public FramelessWindow
{
    Q_OBJECT

public:
    ToolWindow(QImage background, QWidget *anchor, QWidget *parent, QString title);

    // Right of the anchor after a 3-pixel gap, level with its top, pulled back onto the screen the
    // anchor is on.
    void place();
    // Where a window of the size asking for the place goes so that its right and bottom edges stay
    // inside the work area.
    static QPoint pulledInside(QPoint wanted, QSize size, const QRect &available);

    QWidget *anchor;
    ImageButton *closeButton;

public slots:
    void focusChanged(QWidget *old, QWidget *now);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

#endif
