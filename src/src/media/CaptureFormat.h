#ifndef CAPTUREFORMAT_H
#define CAPTUREFORMAT_H

#include <QByteArray>
#include <QSize>
#include <QString>

typedef struct _GstCaps GstCaps;

// The one picture format a camera is asked for, chosen from what it offers.
//
// Usable are the raw formats videoconvert reads and MJPEG; H.264 only at a size nothing else
// offers, and only when an H.264 decoder is installed. The size is the wanted one when a usable
// format gives it at 15 frames per second or more, else the largest such size inside the wanted
// one, else the smallest such size, else the smallest size at all; a stepwise range gives the
// wanted size clamped to it. At that size the format whose rate is 25 or the nearest above wins
// (raw before MJPEG before H.264 on a tie, so nothing is decoded without need, and of the raw
// formats BGRx, which needs no conversion either); when none reaches 25, the fastest. Other raw
// formats keep the camera's order. The picture is never scaled afterwards, so the size is the
// camera's own.
struct CaptureFormat {
    QString mediaType;      // "video/x-raw", "image/jpeg" or "video/x-h264"
    QString format;         // raw format as GStreamer names it ("YUY2", "NV12", "GRAY8", ...); empty when compressed
    QSize size;
    int fpsNumerator = 0;   // 0/1 when the camera lists no rate
    int fpsDenominator = 1;
    bool isValid() const;   // false when nothing offered is usable
    GstCaps *toCaps() const;  // fixed caps for the capture filter; the caller unrefs
    static CaptureFormat choose(const GstCaps *offered, const QSize &wanted);
};

// The caps text of a format ("image/jpeg, width=(int)1920, ..."), for the debug log.
QString describe(const CaptureFormat &format);

// The highest-ranked installed decoder factory for H.264; empty when there is none.
QByteArray installedH264Decoder();

#endif
