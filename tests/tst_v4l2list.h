#ifndef TST_V4L2LIST_H
#define TST_V4L2LIST_H

// Real cameras' capability lists (the text `v4l2-ctl --list-formats-ext` prints) turned into the
// caps v4l2src would report for them: one structure per format and size, in the listed order.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

#include <gst/gst.h>

namespace v4l2list {

// The camera lists sit beside the repository, in shared/cameras.
inline QString camerasFolder()
{
    return QDir(QStringLiteral(TEST_SOURCE_DIR "/../shared/cameras")).absolutePath();
}

inline QStringList cameraFiles()
{
    const QDir folder(camerasFolder());
    QStringList files;
    for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

// The GStreamer media type and raw format of a V4L2 FourCC; an empty media type when unknown.
inline QPair<QString, QString> mediaOf(const QString &fourcc)
{
    static const QHash<QString, QString> raw{
        {"YUYV", "YUY2"}, {"GREY", "GRAY8"}, {"YU12", "I420"}, {"RGB3", "RGB"}, {"BGR3", "BGR"},
        {"BGR4", "BGRx"}, {"NV12", "NV12"}, {"NV21", "NV21"}, {"UYVY", "UYVY"}, {"YVYU", "YVYU"},
        {"VYUY", "VYUY"}, {"YV12", "YV12"},
    };
    if (fourcc == QLatin1String("MJPG") || fourcc == QLatin1String("JPEG"))
        return {QStringLiteral("image/jpeg"), QString()};
    if (fourcc == QLatin1String("H264"))
        return {QStringLiteral("video/x-h264"), QString()};
    if (raw.contains(fourcc))
        return {QStringLiteral("video/x-raw"), raw.value(fourcc)};
    return {};
}

struct SizeEntry
{
    QString fourcc;
    int widths[3] = {0, 0, 1};  // lowest, highest, step; equal ends for a discrete size
    int heights[3] = {0, 0, 1};
    QVector<double> rates;      // frames per second as listed
};

inline void setDimension(GstStructure *structure, const char *field, const int (&range)[3])
{
    GValue value = G_VALUE_INIT;
    if (range[0] == range[1]) {
        g_value_init(&value, G_TYPE_INT);
        g_value_set_int(&value, range[0]);
    } else {
        g_value_init(&value, GST_TYPE_INT_RANGE);
        gst_value_set_int_range_step(&value, range[0], range[1], range[2]);
    }
    gst_structure_take_value(structure, field, &value);
}

inline void setRates(GstStructure *structure, const QVector<double> &rates)
{
    if (rates.isEmpty())
        return;
    GValue list = G_VALUE_INIT;
    gst_value_list_init(&list, guint(rates.size()));
    for (double fps : rates) {
        GValue rate = G_VALUE_INIT;
        g_value_init(&rate, GST_TYPE_FRACTION);
        int numerator = 0;
        int denominator = 1;
        gst_util_double_to_fraction(fps, &numerator, &denominator);
        gst_value_set_fraction(&rate, numerator, denominator);
        gst_value_list_append_and_take_value(&list, &rate);
    }
    if (rates.size() == 1)
        gst_structure_set_value(structure, "framerate", gst_value_list_get_value(&list, 0));
    else
        gst_structure_set_value(structure, "framerate", &list);
    g_value_unset(&list);
}

// Both v4l2-ctl layouts (old "Pixel Format: 'YUYV'", new "[0]: 'YUYV' (...)"), tabs or spaces,
// discrete and stepwise sizes, repeated or missing intervals. Unknown FourCCs are left out and
// named in *unknown.
inline GstCaps *parse(const QString &text, QStringList *unknown = nullptr)
{
    static const QRegularExpression newFormat(QStringLiteral(R"(^\[\d+\]:\s*'(\w+)')"));
    static const QRegularExpression oldFormat(QStringLiteral(R"(^Pixel Format\s*:\s*'(\w+)')"));
    static const QRegularExpression discrete(QStringLiteral(R"(^Size:\s*Discrete\s+(\d+)x(\d+))"));
    static const QRegularExpression stepwise(QStringLiteral(
        R"(^Size:\s*Stepwise\s+(\d+)x(\d+)\s*-\s*(\d+)x(\d+)\s+with step\s+(\d+)/(\d+))"));
    static const QRegularExpression interval(QStringLiteral(R"(^Interval:\s*Discrete\s+\S+\s+\(([\d.]+) fps\))"));

    QVector<SizeEntry> sizes;
    QString fourcc;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        QRegularExpressionMatch match;
        if ((match = newFormat.match(line)).hasMatch() || (match = oldFormat.match(line)).hasMatch()) {
            fourcc = match.captured(1);
        } else if ((match = discrete.match(line)).hasMatch()) {
            SizeEntry entry;
            entry.fourcc = fourcc;
            entry.widths[0] = entry.widths[1] = match.captured(1).toInt();
            entry.heights[0] = entry.heights[1] = match.captured(2).toInt();
            sizes << entry;
        } else if ((match = stepwise.match(line)).hasMatch()) {
            SizeEntry entry;
            entry.fourcc = fourcc;
            entry.widths[0] = match.captured(1).toInt();
            entry.heights[0] = match.captured(2).toInt();
            entry.widths[1] = match.captured(3).toInt();
            entry.heights[1] = match.captured(4).toInt();
            entry.widths[2] = match.captured(5).toInt();
            entry.heights[2] = match.captured(6).toInt();
            sizes << entry;
        } else if ((match = interval.match(line)).hasMatch() && !sizes.isEmpty()) {
            sizes.last().rates << match.captured(1).toDouble();
        }
    }

    GstCaps *caps = gst_caps_new_empty();
    for (const SizeEntry &entry : sizes) {
        const QPair<QString, QString> media = mediaOf(entry.fourcc);
        if (media.first.isEmpty()) {
            if (unknown && !unknown->contains(entry.fourcc))
                *unknown << entry.fourcc;
            continue;
        }
        GstStructure *structure = gst_structure_new_empty(media.first.toUtf8().constData());
        if (!media.second.isEmpty())
            gst_structure_set(structure, "format", G_TYPE_STRING, media.second.toUtf8().constData(), nullptr);
        if (media.first == QLatin1String("video/x-h264"))
            gst_structure_set(structure, "stream-format", G_TYPE_STRING, "byte-stream", "alignment",
                              G_TYPE_STRING, "au", nullptr);
        setDimension(structure, "width", entry.widths);
        setDimension(structure, "height", entry.heights);
        setRates(structure, entry.rates);
        gst_caps_append_structure(caps, structure);
    }
    return caps;
}

// Null when the file cannot be read.
inline GstCaps *parseFile(const QString &path, QStringList *unknown = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    return parse(QString::fromUtf8(file.readAll()), unknown);
}

} // namespace v4l2list

#endif
