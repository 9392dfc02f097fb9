#include "RecordingFormat.h"

#include "BinParts.h"
#include "GstRuntime.h"

#include <QDebug>

#include <gst/gst.h>

#include <mutex>

namespace {

// AAC encoders in the order they are taken: gstreamer1.0-libav's, then those of plugins-bad.
const char *const AacEncoders[] = {"avenc_aac", "voaacenc", "fdkaacenc"};

bool isElementInstalled(const char *factory)
{
    GstRuntime::ensureInitialised();
    GstElementFactory *found = gst_element_factory_find(factory);
    if (!found)
        return false;
    gst_object_unref(found);
    return true;
}

const char *installedAacEncoder()
{
    for (const char *encoder : AacEncoders) {
        if (isElementInstalled(encoder))
            return encoder;
    }
    return nullptr;
}

void setEnum(GstElement *element, const char *property, const char *nick)
{
    gst_util_set_object_arg(G_OBJECT(element), property, nick);
}

} // namespace

RecordingFormat::RecordingFormat(Kind kind)
    : formatKind(kind)
{
}

RecordingFormat RecordingFormat::fromKey(const QString &key)
{
    return key == QLatin1String("mp4") ? Mp4 : Avi;
}

RecordingFormat RecordingFormat::chosen(const QString &key)
{
    const RecordingFormat format = fromKey(key);
    if (format.isInstalled())
        return format;
    qDebug() << "Recording as AVI: the" << format.key() << "format needs" << format.missingElement()
             << ", which is not installed";
    return Avi;
}

QList<RecordingFormat> RecordingFormat::installed()
{
    QList<RecordingFormat> formats;
    for (const RecordingFormat format : {RecordingFormat(Avi), RecordingFormat(Mp4)}) {
        const QByteArray missing = format.missingElement();
        if (missing.isEmpty())
            formats << format;
        else
            qDebug() << "Recording format" << format.key() << "not offered: GStreamer element"
                     << missing << "is not installed";
    }
    return formats;
}

void RecordingFormat::loadPlugins()
{
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        GstRuntime::ensureInitialised();
        // Every recording's own elements and the AVI format's first: while a plug-in loads, an
        // element of any other not yet loaded waits for it, so the slow H.264 and AAC encoders
        // come last.
        for (const char *name : {"videorate", "audioconvert", "audioresample", "filesink", "jpegenc",
                                 "avimux", "videoconvert", "x264enc", "mp4mux", installedAacEncoder()}) {
            GstElementFactory *factory = name ? gst_element_factory_find(name) : nullptr;
            if (!factory)
                continue;
            if (GstPluginFeature *feature = gst_plugin_feature_load(GST_PLUGIN_FEATURE(factory)))
                gst_object_unref(feature);
            gst_object_unref(factory);
        }
    });
}

QString RecordingFormat::key() const
{
    return formatKind == Mp4 ? QStringLiteral("mp4") : QStringLiteral("avi");
}

QString RecordingFormat::fileSuffix() const
{
    return QLatin1Char('.') + key();
}

QByteArray RecordingFormat::missingElement() const
{
    if (formatKind == Avi) {
        for (const char *element : {"jpegenc", "avimux"}) {
            if (!isElementInstalled(element))
                return element;
        }
        return QByteArray();
    }
    for (const char *element : {"videoconvert", "x264enc", "mp4mux"}) {
        if (!isElementInstalled(element))
            return element;
    }
    return installedAacEncoder() ? QByteArray() : QByteArray("avenc_aac");
}

std::vector<GstElement *> RecordingFormat::addVideoEncoder(GstElement *bin) const
{
    if (formatKind == Avi)
        return {BinParts::add(bin, "jpegenc")};

    // x264 takes BGRx only as 4:4:4, which browsers and most players refuse: 4:2:0 it is. The
    // conversion runs behind the queue, on the encoder's thread, not on the camera's.
    GstElement *convert = BinParts::add(bin, "videoconvert");
    GstElement *i420 = BinParts::addCapsFilter(
        bin, gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "I420", nullptr));
    GstElement *encoder = BinParts::add(bin, "x264enc");
    // Main profile: the one presentation programs and older players are sure to decode.
    GstElement *profile = BinParts::addCapsFilter(
        bin, gst_caps_new_simple("video/x-h264", "profile", G_TYPE_STRING, "main", nullptr));
    if (encoder) {
        // Live work on two cores: no frame held back for look-ahead or B-frames, and the fastest
        // preset. At 1080p it and the conversion before it take about 19 ms a frame, near the
        // 16 ms of the JPEG encoder; superfast takes 25 ms, veryfast 34 ms. A written page still
        // comes to a quarter of a gigabyte an hour.
        setEnum(encoder, "tune", "zerolatency");
        setEnum(encoder, "speed-preset", "ultrafast");
        setEnum(encoder, "pass", "qual");
        g_object_set(encoder, "quantizer", H264Quality, "bitrate", H264MaxKilobits, "key-int-max",
                     KeyFrameInterval, nullptr);
    }
    return {convert, i420, encoder, profile};
}

std::vector<GstElement *> RecordingFormat::addSoundEncoder(GstElement *bin) const
{
    if (formatKind == Avi) {
        return {BinParts::addCapsFilter(
            bin, gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", nullptr))};
    }
    const char *aacEncoder = installedAacEncoder();
    if (!aacEncoder) {
        qDebug() << "GStreamer element missing: AAC encoder";
        return {nullptr};
    }
    return {BinParts::add(bin, aacEncoder)};
}

GstElement *RecordingFormat::addMuxer(GstElement *bin) const
{
    if (formatKind == Avi)
        return BinParts::add(bin, "avimux");
    GstElement *muxer = BinParts::add(bin, "mp4mux");
    if (muxer)
        g_object_set(muxer, "fragment-duration", FragmentMs, nullptr);
    return muxer;
}

GstElement *RecordingFormat::addFileSink(GstElement *bin) const
{
    GstElement *sink = BinParts::add(bin, "filesink");
    // A fragment is a second of H.264, often less than the writer's 64 kB buffer: unbuffered, each
    // one reaches the system as soon as the muxer has made it, and a killed program loses none.
    if (sink && formatKind == Mp4)
        setEnum(sink, "buffer-mode", "unbuffered");
    return sink;
}
