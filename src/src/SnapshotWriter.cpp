#include "SnapshotWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

const int JpegQuality = 100;
const int WriterNiceness = 10;

// Encoding a picture is the least urgent work in the program: on busy cores the camera's frames
// and the window go first.
void yieldToFrames()
{
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), WriterNiceness);
#endif
}

} // namespace

SnapshotWriter::SnapshotWriter(ResultHandler resultHandler)
    : handler(std::move(resultHandler))
    , writeFunction(&SnapshotWriter::writeJpeg)
{
}

void SnapshotWriter::start()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (started)
        return;
    started = true;
    thread = std::thread([this] { serve(); });
}

SnapshotWriter::~SnapshotWriter()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    if (thread.joinable())
        thread.join();
}

bool SnapshotWriter::writeJpeg(const QImage &picture, const QString &path)
{
    QImageWriter writer(path);
    writer.setQuality(JpegQuality);
    return writer.write(picture);
}

bool SnapshotWriter::hand(Shot shot)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        // The newer picture of the same second goes to the same file anyway.
        if (shot.continuous && !queue.empty()) {
            Shot &last = queue.back();
            if (last.continuous && last.run == shot.run && last.baseName == shot.baseName) {
                last.picture = std::move(shot.picture);
                return true;
            }
        }
        if (!started || int(queue.size()) >= QueueLimit)
            return false;
        queue.push_back(std::move(shot));
    }
    wake.notify_one();
    return true;
}

void SnapshotWriter::setWriteFunction(WriteFunction function)
{
    std::lock_guard<std::mutex> lock(mutex);
    writeFunction = function ? std::move(function) : WriteFunction(&SnapshotWriter::writeJpeg);
}

void SnapshotWriter::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock(mutex);
    idle.wait(lock, [this] { return queue.empty() && !busy; });
}

void SnapshotWriter::serve()
{
    yieldToFrames();
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || !queue.empty(); });
        if (queue.empty())
            return;   // stopping, and everything handed over is written
        Shot shot = std::move(queue.front());
        queue.pop_front();
        const WriteFunction writeFile = writeFunction;
        busy = true;
        lock.unlock();

        const Result result = write(shot, writeFile);
        shot.picture = QImage();   // the frame path may reuse the buffer once we let go
        handler(result);

        lock.lock();
        busy = false;
        if (queue.empty())
            idle.notify_all();
    }
}

QString SnapshotWriter::pathFor(const Shot &shot) const
{
    if (shot.continuous && shot.baseName == secondBase && !secondPath.isEmpty())
        return secondPath;
    const QDir dir(shot.folder);
    QString path = dir.filePath(shot.baseName + QStringLiteral(".jpg"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(shot.baseName + QStringLiteral("_%1.jpg").arg(n));
    return path;
}

SnapshotWriter::Result SnapshotWriter::write(const Shot &shot, const WriteFunction &writeFile)
{
    Result result;
    result.run = shot.run;
    if (shot.run != namedRun) {
        namedRun = shot.run;
        secondBase.clear();
        secondPath.clear();
        failureReported = false;
    }
    if (!QFileInfo(shot.folder).isDir()) {
        result.outcome = NoFolder;
        return result;
    }

    const QString path = pathFor(shot);
    if (!writeFile(shot.picture, path)) {
        // Whatever is there now is a remnant of this attempt: the name was free or ours.
        QFile::remove(path);
        secondBase.clear();
        secondPath.clear();
        result.outcome = Failed;
        result.reportFailure = !shot.continuous || !failureReported;
        failureReported = true;
        return result;
    }
    secondBase = shot.baseName;
    secondPath = path;
    result.outcome = Written;
    result.path = path;
    return result;
}
