#include "FramelessWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

FramelessWindow::FramelessWindow(QImage background, bool toolWindow, QWidget *parent)
    : QWidget(parent)
{
    if (toolWindow)
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    else
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setBackground(background);
}

void FramelessWindow::setBackground(QImage image)
{
    setMinimumSize(image.size());
    resize(image.size());
    setAttribute(Qt::WA_WState_WindowOpacitySet);
    setAttribute(Qt::WA_TranslucentBackground);
    background = image;
}

void FramelessWindow::mousePressEvent(QMouseEvent *event)
{
    if (isMaximized() || isMinimized())
        return;
    if (event->y() > TitleStripHeight || event->button() != Qt::LeftButton)
        return;
    event->accept();
    if (systemMove())
        return;
    dragOffset = event->globalPos() - frameGeometry().topLeft();
    dragging = true;
}

void FramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (isMaximized() || isMinimized() || !dragging)
        return;
    if (!(event->buttons() & Qt::LeftButton))
        return;
    move(event->globalPos() - dragOffset);
    event->accept();
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        return;
    dragging = false;
    event->accept();
}

bool FramelessWindow::systemMove()
{
    QWindow *window = windowHandle();
    return window && window->startSystemMove();
}

bool FramelessWindow::systemResize(Qt::Edges edges)
{
    QWindow *window = windowHandle();
    return window && window->startSystemResize(edges);
}

void FramelessWindow::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawImage(0, 0, background);
}
