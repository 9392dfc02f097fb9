#ifndef THUMBNAILLOADER_H
#define THUMBNAILLOADER_H

#include <QSemaphore>
#include <QThread>

#include <atomic>

class ThumbnailWidget;

// Reads and scales the pictures of the strip, one at a time in list order, off the
// user-interface thread, and hands each thumbnail to its button on the user-interface thread.
// A pass reads the strip's paths and buttons, which the strip changes only between passes.
class ThumbnailLoader : public QThread
{
    Q_OBJECT

public:
    explicit ThumbnailLoader(ThumbnailWidget *widget);
    ~ThumbnailLoader() override;

    // Starts a pass over the strip's current pictures once the previous run has returned.
    void startPass();
    // Ends a pass in progress after the picture being read; returns once the thread has returned.
    void finishPass();

protected:
    void run() override;

private:
    ThumbnailWidget *widget;
    std::atomic<bool> stop{false};
    // Holds 1 while no pass is in progress.
    QSemaphore idle{0};
};

#endif
