#ifndef TST_BLOCKINGFILES_H
#define TST_BLOCKINGFILES_H

// Files that block whoever opens them for reading: named pipes without a writer, under the names
// of pictures and recordings, directly and through symbolic links.

#include <QFile>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

namespace blockingfiles {

inline bool makePipe(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// A reader stuck in the open of a pipe is let go by a writer that opens and closes it.
inline void releaseReaders(const QStringList &pipes)
{
    for (const QString &pipe : pipes) {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
}

// Watches the calls made while it lives: once they have taken longer than the time allowed, it
// opens the pipes from the other end again and again, so a reader stuck in an open is let go and
// a failing test ends instead of hanging. fired() tells whether it had to.
class Watchdog
{
public:
    explicit Watchdog(const QStringList &pipes,
                      std::chrono::milliseconds within = std::chrono::milliseconds(2000))
        : thread([this, pipes, within] {
            std::unique_lock<std::mutex> guard(lock);
            if (changed.wait_for(guard, within, [this] { return stopping; }))
                return;
            fired_ = true;
            while (!changed.wait_for(guard, std::chrono::milliseconds(20), [this] { return stopping; }))
                releaseReaders(pipes);
        })
    {
    }

    ~Watchdog() { stop(); }

    // Ends the watch; true when the calls took too long.
    bool stop()
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            stopping = true;
        }
        changed.notify_all();
        if (thread.joinable())
            thread.join();
        return fired_;
    }

private:
    std::mutex lock;
    std::condition_variable changed;
    bool stopping = false;
    bool fired_ = false;
    std::thread thread;
};

} // namespace blockingfiles

#endif
