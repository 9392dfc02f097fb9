#include "ThumbnailLoader.h"

#include "PictureReader.h"
#include "ThumbnailButton.h"
#include "ThumbnailWidget.h"

ThumbnailLoader::ThumbnailLoader(ThumbnailWidget *widget)
    : QThread(widget)
    , widget(widget)
{
    idle.release();
}

ThumbnailLoader::~ThumbnailLoader()
{
    stop = true;
    wait();
}

void ThumbnailLoader::startPass()
{
    // The end of the previous pass releases the semaphore just before run() returns, so the
    // thread is waited for as well: start() does nothing on a thread that is still running.
    idle.acquire();
    wait();
    stop = false;
    start();
}

void ThumbnailLoader::finishPass()
{
    stop = true;
    idle.acquire();
    wait();
    idle.release();
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
        QMetaObject::invokeMethod(
            button, [button, thumbnail] { button->setImage(thumbnail); }, Qt::QueuedConnection);
    }
    idle.release();
}
