#ifndef THUMBNAILLOADER_H
#define THUMBNAILLOADER_H

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

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
    void waitUntilIdle();

    ThumbnailWidget *widget;
    std::atomic<bool> stop{false};
    // True while no pass is in progress. A standard mutex and condition, which the thread
    // sanitizer sees (it cannot see Qt 5's futex-based QSemaphore): the end of a pass orders the
    // thread's reads of the strip before the strip's next change.
    std::mutex idleLock;
    std::condition_variable idleChanged;
    bool idle = true;
};

#endif
