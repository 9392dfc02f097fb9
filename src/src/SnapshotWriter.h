#ifndef SNAPSHOTWRITER_H
#define SNAPSHOTWRITER_H

#include <QImage>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Writes snapshot files on a thread of its own, so that a slow or stalled folder delays the files
// and never the frames. The frame path hands over a picture (a shared QImage, no pixels copied)
// and returns at once; when a few pictures already wait, the hand-over is refused rather than
// letting memory grow.
//
// Files are JPEG, quality 100, named "<base>.jpg" in the shot's folder. A file is never written
// over unless this run wrote it: when the name is taken, "_2", "_3", ... are added. Within a
// continuous run the file of the current second is rewritten by later shots of that second, and a
// shot still waiting for that file is simply given the newer picture.
//
// Threads: hand() and the set-up calls from any thread; the write function and the result handler
// run on the writer's thread, with no lock of the writer held.
class SnapshotWriter
{
public:
    struct Shot
    {
        quint64 run = 0;
        bool continuous = false;
        QString folder;
        QString baseName;
        QImage picture;
    };

    enum Outcome {
        Written,
        Failed,
        NoFolder
    };

    struct Result
    {
        Outcome outcome = Written;
        quint64 run = 0;
        QString path;              // the file written
        bool reportFailure = false;   // once per single shot, once per continuous run
    };

    // Encodes and writes one picture; true on success. Tests and benchmarks put a slow or
    // blocking one here.
    using WriteFunction = std::function<bool(const QImage &picture, const QString &path)>;
    using ResultHandler = std::function<void(const Result &result)>;

    // Pictures waiting besides the one being written.
    static constexpr int QueueLimit = 3;

    explicit SnapshotWriter(ResultHandler handler);
    // Writes what was handed over, then ends the thread.
    ~SnapshotWriter();

    // The thread starts with the first run, not with every canvas.
    void start();

    SnapshotWriter(const SnapshotWriter &) = delete;
    SnapshotWriter &operator=(const SnapshotWriter &) = delete;

    // False when the queue is full (or the writer was never started); never waits for a write.
    bool hand(Shot shot);
    void setWriteFunction(WriteFunction function);
    // Blocks until every picture handed over is written and its result handled.
    void waitUntilIdle();

    static bool writeJpeg(const QImage &picture, const QString &path);

private:
    void serve();
    Result write(const Shot &shot, const WriteFunction &writeFile);
    QString pathFor(const Shot &shot) const;

    const ResultHandler handler;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Shot> queue;
    WriteFunction writeFunction;
    bool busy = false;
    bool stopping = false;
    bool started = false;
    std::thread thread;   // started and joined on the owner's thread

    // Writer thread only: the run whose names are tracked, and the file of its current second.
    quint64 namedRun = 0;
    QString secondBase;
    QString secondPath;
    bool failureReported = false;
};

#endif
