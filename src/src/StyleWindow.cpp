#include "StyleWindow.h"

#include "ImageButton.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

QImage piece(const char *name)
{
    return QImage(QStringLiteral(":/icons/Background_Sub/") + QLatin1String(name) + QStringLiteral(".png"));
}

// A missing piece stays missing (and counts as 0 x 0) instead of warning at every resize.
QImage stretched(const QImage &image, int width, int height)
{
    if (image.isNull())
        return QImage();
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

StyleWindow::StyleWindow()
    : FramelessWindow(QImage(), false, nullptr)
{
    setAttribute(Qt::WA_MouseTracking);

    // The title band starts at the left edge: there is no top-left corner piece.
    topMid = piece("VIDEO_FRAME_TOP_MID");
    topRight = piece("VIDEO_FRAME_TOP_RIGHT");
    midLeft = piece("VIDEO_FRAME_MID_LEFT");
    const QImage centre = piece("VIDEO_FRAME_MID_MID");
    midRight = piece("VIDEO_FRAME_MID_RIGHT");
    bottomLeft = piece("VIDEO_FRAME_BOT_LEFT");
    bottomMid = piece("VIDEO_FRAME_BOT_MID");
    bottomRight = piece("VIDEO_FRAME_BOT_RIGHT");
    fillColor = centre.isNull() ? qRgb(48, 48, 48) : centre.pixel(0, 0);

    minimizeButton = new ImageButton(QStringLiteral("WINDOWS_MIN"), this, 0, 0);
    maximizeButton = new ImageButton(QStringLiteral("WINDOWS_MAX"), this, 0, 0);
    closeButton = new ImageButton(QStringLiteral("WINDOWS_CLOSE"), this, 0, 0);
    connect(minimizeButton, SIGNAL(clicked()), this, SLOT(minimize()));
    connect(maximizeButton, SIGNAL(clicked()), this, SLOT(maximize()));
    connect(closeButton, SIGNAL(clicked()), this, SLOT(close()));
}

void StyleWindow::minimize()
{
    setWindowState(windowState() ^ Qt::WindowMinimized);
}

void StyleWindow::maximize()
{
    if (isMaximized()) {
        showNormal();
        return;
    }
    // The work area of the screen the window is on, not the task bar, and not another screen's.
    QScreen *screen = this->screen();
    showMaximized();
    if (screen)
        setGeometry(screen->availableGeometry());
    // An explicit geometry clears the widget's maximized flag on some platforms (X11) while the
    // window itself stays maximized; without the flag the next click would not restore.
    if (!isMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void StyleWindow::showEvent(QShowEvent *event)
{
    QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    QWidget::showEvent(event);
}

void StyleWindow::leaveEvent(QEvent *event)
{
    Q_UNUSED(event);
    setCursor(Qt::ArrowCursor);
}

void StyleWindow::updateZones(const QPoint &pos)
{
    if (pos.x() <= EdgeZone)
        hZone = 0;
    else
        hZone = pos.x() + EdgeZone < width() ? 1 : 2;
    if (pos.y() <= EdgeZone)
        vZone = 0;
    else
        vZone = pos.y() + EdgeZone < height() ? 1 : 2;
}

void StyleWindow::updateCursor()
{
    if ((hZone == 0 && vZone == 0) || (hZone == 2 && vZone == 2))
        setCursor(Qt::SizeFDiagCursor);
    else if ((hZone == 0 && vZone == 2) || (hZone == 2 && vZone == 0))
        setCursor(Qt::SizeBDiagCursor);
    else if (hZone != 1)
        setCursor(Qt::SizeHorCursor);
    else if (vZone != 1)
        setCursor(Qt::SizeVerCursor);
    else
        setCursor(Qt::ArrowCursor);
}

void StyleWindow::mousePressEvent(QMouseEvent *event)
{
    // The zones normally come from the last move; taking them again here keeps a press right
    // when the window changed under a still cursor (maximize, restore).
    updateZones(event->pos());
    if ((hZone == 1 && vZone == 1) || event->button() != Qt::LeftButton) {
        FramelessWindow::mousePressEvent(event);
        return;
    }
    // Any edge resize returns the window to its normal state. The window system is asked to
    // resize from there: many window managers refuse to resize a maximized window.
    setWindowState(windowState() & Qt::WindowActive);
    if (systemResize(zoneEdges()))
        return;
    resizing = true;
}

Qt::Edges StyleWindow::zoneEdges() const
{
    Qt::Edges edges;
    if (hZone == 0)
        edges |= Qt::LeftEdge;
    else if (hZone == 2)
        edges |= Qt::RightEdge;
    if (vZone == 0)
        edges |= Qt::TopEdge;
    else if (vZone == 2)
        edges |= Qt::BottomEdge;
    return edges;
}

void StyleWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (!resizing) {
        FramelessWindow::mouseReleaseEvent(event);
        return;
    }
    resizing = false;
    // Show the cursor shape for where the button came up.
    mouseMoveEvent(event);
}

void StyleWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (resizing) {
        resizeStep(event->pos());
        return;
    }
    updateZones(event->pos());
    updateCursor();
    FramelessWindow::mouseMoveEvent(event);
}

void StyleWindow::resizeStep(const QPoint &pos)
{
    int x = this->x();
    int y = this->y();
    int w = width();
    int h = height();
    if (hZone == 0) {
        const int d = std::min(pos.x(), w - minimumWidth());
        x += d;
        w -= d;
    } else if (hZone == 2) {
        w = std::min(pos.x(), maximumWidth());
    }
    if (vZone == 0) {
        const int d = std::min(pos.y(), h - minimumHeight());
        y += d;
        h -= d;
    } else if (vZone == 2) {
        h = std::min(pos.y(), maximumHeight());
    }
    move(x, y);
    resize(w, h);
    // Any edge resize returns the window to its normal state.
    setWindowState(windowState() & Qt::WindowActive);
}

void StyleWindow::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event);
    const int w = width();
    const int h = height();
    topMidScaled = stretched(topMid, w - topLeft.width() - topRight.width(), topMid.height());
    bottomMidScaled = stretched(bottomMid, w - bottomLeft.width() - bottomRight.width(), bottomMid.height());
    midLeftScaled = stretched(midLeft, midLeft.width(), h - topLeft.height() - bottomLeft.height());
    midRightScaled = stretched(midRight, midRight.width(), h - topRight.height() - bottomRight.height());

    minimizeButton->move(w - 79, 4);
    maximizeButton->move(w - 59, 4);
    closeButton->move(w - 38, 4);
    layoutContents();
}

void StyleWindow::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.drawImage(0, 0, topLeft);
    painter.drawImage(topLeft.width(), 0, topMidScaled);
    painter.drawImage(topLeft.width() + topMidScaled.width(), 0, topRight);
    painter.drawImage(0, topLeft.height(), midLeftScaled);
    painter.drawImage(w - midRightScaled.width(), topRight.height(), midRightScaled);
    painter.drawImage(0, topLeft.height() + midLeftScaled.height(), bottomLeft);
    painter.drawImage(bottomLeft.width(), topLeft.height() + midLeftScaled.height(), bottomMidScaled);
    painter.drawImage(bottomLeft.width() + bottomMidScaled.width(), topRight.height() + midRightScaled.height(),
                      bottomRight);
    const QRect interior(QPoint(midLeftScaled.width(), topMidScaled.height()),
                         QPoint(w - 1 - midRightScaled.width(), h - 1 - bottomMidScaled.height()));
    painter.fillRect(interior, QColor(fillColor));
}
