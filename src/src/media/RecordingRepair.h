#ifndef RECORDINGREPAIR_H
#define RECORDINGREPAIR_H

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

typedef struct _GstElement GstElement;
typedef struct _GstPad GstPad;

// Rewrites an AVI recording that was cut off before its end (no index, placeholder sizes) into a
// complete file: filesrc -> avidemux -> queue per stream -> avimux -> filesink. avidemux finds
// the chunks of such a file by scanning it; the streams are copied, not encoded again.
//
// An MP4 recording (".mp4") cut off the same way plays up to its last whole fragment as it is, but
// its header states no length and it lacks the index at its end, so players show no running time
// and some cannot seek in it: it is copied through qtdemux -> mp4mux the same way, which writes
// both.
//
// The new file is written beside the old one under a hidden temporary name and replaces it by a
// rename only once it is whole (finished by end-of-stream, with its index, flushed to disk), so an
// interruption at any point leaves the old file as it was. The rewritten file keeps the old one's
// modification time.
class RecordingRepair
{
public:
    // Called while the repair runs with the share done, 0 to 1000; returning false cancels it.
    using Progress = std::function<bool(int permille)>;

    // The repair runs on the start-up thread, whose progress window answers between two waits:
    // each wait on the bus stays well under what a user notices.
    static constexpr int ProgressIntervalMs = 40;
    // A repair that has made no headway for this long is given up (scanning a long file on a slow
    // disk comes first and shows no headway).
    static constexpr int StallTimeoutMs = 120000;

    bool repair(const QString &path, const Progress &progress = Progress());
    QString error() const;

    // A recording of either format cut off before its end, by the check of its format.
    static bool isCutOff(const QString &path);

    // The name the new file is written under until it replaces the old one.
    static QString temporaryName(const QString &path);
    // The file name a temporary name stands in for; empty when it is not a temporary name.
    static QString originalName(const QString &temporaryFileName);

private:
    bool remux(const QString &source, const QString &target, const Progress &progress);
    bool fail(const QString &message);
    static void padAdded(GstElement *demuxer, GstPad *pad, void *self);
    int permilleDone(qint64 *position);

    GstElement *pipeline = nullptr;
    GstElement *muxer = nullptr;
    // Set on the demuxer's streaming thread, read by the repairing thread.
    std::mutex padLock;
    GstPad *progressPad = nullptr;
    std::atomic<bool> linkFailed{false};
    QString lastError;
};

#endif
