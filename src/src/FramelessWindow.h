#ifndef FRAMELESSWINDOW_H
#define FRAMELESSWINDOW_H

#include <QImage>
#include <QPoint>
#include <QWidget>

// A frameless, translucent top-level window painted from one picture and as large as it. It can
// be dragged by its top strip (y <= 25) with the left button. The pop-up tool windows build on it
// with toolWindow = true; the application frame builds on it through StyleWindow.
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
};

#endif
