#include "ProjectorWindow.h"

#include "DisplayFit.h"
#include "ImageCanvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

ProjectorWindow::ProjectorWindow(QScreen *screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Every pixel is painted: black around the picture, the picture over the rest.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::BlankCursor);
    setWindowTitle(QGuiApplication::applicationDisplayName());
    connect(qApp, SIGNAL(screenRemoved(QScreen *)), this, SLOT(screenRemoved(QScreen *)));
    moveToScreen(screen);
}

void ProjectorWindow::moveToScreen(QScreen *screen)
{
    target = screen;
    if (!screen)
        return;
    create();
    windowHandle()->setScreen(screen);
    setGeometry(screen->geometry());
    // Full screen without asking for the focus: the presenter's window keeps the keys.
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
}

void ProjectorWindow::showCanvas(ImageCanvas *canvas)
{
    if (shown == canvas)
        return;
    if (shown)
        disconnect(shown, nullptr, this, nullptr);
    shown = canvas;
    // The canvas announces each new output picture from whichever thread made it.
    if (canvas)
        connect(canvas, SIGNAL(updateFromWorker()), this, SLOT(newOutput()), Qt::QueuedConnection);
    update();
}

void ProjectorWindow::newOutput()
{
    update();
}

void ProjectorWindow::screenRemoved(QScreen *screen)
{
    if (screen != target)
        return;
    target = nullptr;
    hide();
    emit screenGone();
    close();
}

void ProjectorWindow::paintEvent(QPaintEvent *)
{
    // Held only while painting, like the canvas's own paint: the frame path's buffers stay free
    // for reuse between frames.
    const QImage picture = shown ? shown->currentImage() : QImage();
    QPainter painter(this);
    const DisplayFit fit(size(), picture.size());
    if (fit.isEmpty()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const QRect drawn = fit.target();
    const QRegion around = QRegion(rect()) - drawn;
    for (const QRect &part : around)
        painter.fillRect(part, Qt::black);
    painter.drawImage(drawn, picture);
    paintedKey = picture.cacheKey();
    ++pictures;
}

QScreen *ProjectorWindow::chooseScreen(const QList<QScreen *> &screens, QScreen *presenter,
                                       const QString &rememberedName)
{
    QScreen *firstOther = nullptr;
    for (QScreen *screen : screens) {
        if (screen == presenter)
            continue;
        if (!rememberedName.isEmpty() && screen->name() == rememberedName)
            return screen;
        if (!firstOther)
            firstOther = screen;
    }
    return firstOther;
}
