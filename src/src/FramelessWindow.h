#ifndef FRAMELESSWINDOW_H
#define FRAMELESSWINDOW_H

#include <QImage>
#include <QPoint>
#include <QWidget>

// A frameless, translucent top-level window painted from one picture and as large as it. It can
// be dragged by its top strip (y <= 25) with the left button. The pop-up tool windows build on it
// with toolWindow = true; the application frame builds on it through StyleWindow.
//
// A drag is handed to the window system first: where windows may not place themselves (Wayland)
// only the compositor can move them. Where the system declines (an X server without a window
// manager that offers it, the offscreen platform) the window follows the cursor by itself.
class FramelessWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FramelessWindow(QImage background = QImage(), bool toolWindow = false, QWidget *parent = nullptr);

    // Takes the picture, and its size as the window's size and minimum size.
    void setBackground(QImage image);

    // Lowest row of the strip a drag can start from.
    static constexpr int TitleStripHeight = 25;

    QImage background;
    QPoint dragOffset;
    bool dragging = false;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // Ask the window system to move, or resize by the given edges, under the pressed button;
    // false where it does not offer that. Called from a press.
    virtual bool systemMove();
    virtual bool systemResize(Qt::Edges edges);
};

#endif
