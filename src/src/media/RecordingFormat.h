#ifndef RECORDINGFORMAT_H
#define RECORDINGFORMAT_H

#include <QList>
#include <QString>

#include <vector>

typedef struct _GstElement GstElement;

// What a recording is written as, and the one place that decides the elements it takes:
//
//   Avi: videorate -> queue -> jpegenc -> avimux; sound as 16-bit PCM. Every player opens it, and
//        it costs little processor time, but several megabytes a second at full HD.
//   Mp4: videorate -> queue -> videoconvert -> I420 -> x264enc -> mp4mux; sound as AAC. A tenth of
//        the size and what every player, browser and presentation program takes. The file is
//        written in fragments of a second, each playable on its own, so a recording cut off by a
//        crash or a power loss plays up to its last fragment without any repair.
//
// Stored in the settings as "avi" or "mp4"; anything else counts as "avi".
class RecordingFormat
{
public:
    enum Kind { Avi, Mp4 };

    // Milliseconds of each fragment of an MP4 file: what a cut-off recording loses at most.
    static constexpr unsigned FragmentMs = 1000;
    // Frames from one key frame to the next: two seconds, the furthest a player seeks back.
    static constexpr unsigned KeyFrameInterval = 50;
    // Constant quality for the H.264 encoder (lower is better): text and thin strokes stay sharp,
    // and a still page costs next to nothing.
    static constexpr unsigned H264Quality = 23;
    // The most the H.264 stream may take while much moves, in kilobits a second.
    static constexpr unsigned H264MaxKilobits = 6000;

    RecordingFormat() = default;
    RecordingFormat(Kind kind);

    static RecordingFormat fromKey(const QString &key);
    // The format stored under the key when its elements are installed, else AVI.
    static RecordingFormat chosen(const QString &key);
    // The formats whose elements are all installed; AVI first. Each one left out is named in the
    // debug log with the element it lacks.
    static QList<RecordingFormat> installed();
    // Loads the plug-ins of every format's elements, once per process. Loading the H.264 encoder
    // and the AAC encoder takes some 400 ms the first time: done on a worker ahead of the first
    // recording, it does not hold up the window when the recording starts. Safe on any thread.
    static void loadPlugins();

    Kind kind() const { return formatKind; }
    QString key() const;
    // ".avi" or ".mp4".
    QString fileSuffix() const;
    // The first element of the format that is not installed; empty when all are.
    QByteArray missingElement() const;
    bool isInstalled() const { return missingElement().isEmpty(); }

    // The elements that turn the grabber's BGRx pictures into the container's video stream,
    // added to the bin in the order they link; a missing element is null.
    std::vector<GstElement *> addVideoEncoder(GstElement *bin) const;
    // The elements between the resampled sound and the muxer, likewise.
    std::vector<GstElement *> addSoundEncoder(GstElement *bin) const;
    // Null when the muxer is missing.
    GstElement *addMuxer(GstElement *bin) const;
    // The file writer; null when it is missing.
    GstElement *addFileSink(GstElement *bin) const;

    bool operator==(const RecordingFormat &other) const { return formatKind == other.formatKind; }
    bool operator!=(const RecordingFormat &other) const { return formatKind != other.formatKind; }

private:
    Kind formatKind = Avi;
};

#endif
