#include "ThumbnailLoader.h"

#include "PictureReader.h"
#include "ThreadHandOver.h"
#include "ThumbnailButton.h"
#include "ThumbnailWidget.h"

ThumbnailLoader::ThumbnailLoader(ThumbnailWidget *widget)
    : QThread(widget)
    , widget(widget)
{
}

ThumbnailLoader::~ThumbnailLoader()
{
    finishPass();
}

void ThumbnailLoader::startPass()
{
    // The end of the previous pass is marked just before run() returns, so the thread is waited
    // for as well: start() does nothing on a thread that is still running.
    waitUntilIdle();
    wait();
    {
        std::lock_guard<std::mutex> guard(idleLock);
        idle = false;
    }
    stop = false;
    start();
}

void ThumbnailLoader::finishPass()
{
    stop = true;
    waitUntilIdle();
    wait();
}

void ThumbnailLoader::waitUntilIdle()
{
    std::unique_lock<std::mutex> guard(idleLock);
    idleChanged.wait(guard, [this] { return idle; });
}

void ThumbnailLoader::run()
{
    const QStringList &paths = widget->paths;
    const QList<ThumbnailButton *> &buttons = widget->buttons;
    for (int i = 0; i < paths.size() && i < buttons.size() && !stop; ++i) {
        const QImage thumbnail = PictureReader::readThumbnail(paths.at(i), ThumbnailButton::ThumbnailSize);
        if (thumbnail.isNull())
            continue;
        // Buttons are widgets of the user-interface thread: the picture is set there. A button
        // deleted before the call is delivered takes the call with it.
        ThumbnailButton *button = buttons.at(i);
        ThreadHandOver::queue(button, [button, thumbnail] { button->setImage(thumbnail); });
    }
    // Notified under the lock: a waiter that sees the pass over may destroy the condition at once.
    std::lock_guard<std::mutex> guard(idleLock);
    idle = true;
    idleChanged.notify_all();
}
