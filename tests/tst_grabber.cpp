#include "ICaptureCB.h"
#include "media/GrabberElement.h"
#include "media/GstRuntime.h"

#include <QtTest>

#include <gst/check/gstharness.h>
#include <gst/gst.h>
#include <gst/video/video.h>

namespace {

const int FrameWidth = 4;
const int FrameHeight = 3;
const int FrameBytes = FrameWidth * FrameHeight * 4;
const GstClockTime FrameDuration = 40 * GST_MSECOND;

// Keeps what it was handed and, when asked, inverts the picture as a canvas effect would.
class TestReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *data, int width, int height, bool bottomUp, bool rgb32) override
    {
        ++calls;
        seenData = data;
        seen = QByteArray(reinterpret_cast<const char *>(data), width * height * 4);
        seenWidth = width;
        seenHeight = height;
        seenBottomUp = bottomUp;
        seenRgb32 = rgb32;
        if (!invert)
            return;
        for (int i = 0; i < width * height * 4; ++i)
            data[i] = uchar(255 - data[i]);
    }

    int calls = 0;
    const uchar *seenData = nullptr;
    QByteArray seen;
    int seenWidth = 0;
    int seenHeight = 0;
    bool seenBottomUp = true;
    bool seenRgb32 = false;
    bool invert = false;
};

QByteArray rowPattern()
{
    QByteArray bytes(FrameBytes, 0);
    for (int i = 0; i < FrameBytes; ++i)
        bytes[i] = char(i);
    return bytes;
}

GstBuffer *frame(GstClockTime pts, bool discont = false, const QByteArray &content = rowPattern())
{
    GstBuffer *buffer = gst_buffer_new_memdup(content.constData(), gsize(content.size()));
    GST_BUFFER_PTS(buffer) = pts;
    GST_BUFFER_DURATION(buffer) = GST_CLOCK_TIME_IS_VALID(pts) ? FrameDuration : GST_CLOCK_TIME_NONE;
    if (discont)
        GST_BUFFER_FLAG_SET(buffer, GST_BUFFER_FLAG_DISCONT);
    return buffer;
}

QByteArray contentOf(GstBuffer *buffer)
{
    GstMapInfo map;
    gst_buffer_map(buffer, &map, GST_MAP_READ);
    QByteArray bytes(reinterpret_cast<const char *>(map.data), int(map.size));
    gst_buffer_unmap(buffer, &map);
    return bytes;
}

} // namespace

class TestGrabber : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void acceptsOnlyRgb32_data();
    void acceptsOnlyRgb32();
    void refusedFormatDoesNotNegotiate();
    void buffersWithoutTimestampsPass();
    void throttleOffPassesEverything();
    void discontinuityAnchors();
    void atMostFiveLateInARow();
    void receiverGetsTopDownFrameWithBottomRowFixed();
    void whatTheReceiverWritesGoesDownstream();
    void shortBufferIsAnError();
    void paddedRowsArePackedForTheReceiverAndWrittenBack();

private:
    GstFlowReturn push(GstBuffer *buffer) { return gst_harness_push(harness, buffer); }
    int delivered() const { return int(gst_harness_buffers_received(harness)); }

    GstHarness *harness = nullptr;
    TestReceiver receiver;
};

void TestGrabber::initTestCase()
{
    GstRuntime::ensureInitialised();
}

void TestGrabber::init()
{
    receiver = TestReceiver();
    harness = gst_harness_new(GrabberElement::FactoryName);
    QVERIFY(harness);
    GrabberElement::setReceiver(harness->element, &receiver);
    gst_harness_set_src_caps_str(harness, "video/x-raw,format=BGRx,width=4,height=3,framerate=25/1");
    QVERIFY(gst_harness_set_time(harness, GST_SECOND));
}

void TestGrabber::cleanup()
{
    gst_harness_teardown(harness);
    harness = nullptr;
}

void TestGrabber::acceptsOnlyRgb32_data()
{
    QTest::addColumn<QString>("caps");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("BGRx") << "video/x-raw,format=BGRx,width=4,height=3,framerate=25/1" << true;
    QTest::newRow("BGRA") << "video/x-raw,format=BGRA,width=4,height=3,framerate=25/1" << true;
    QTest::newRow("YUY2") << "video/x-raw,format=YUY2,width=4,height=3,framerate=25/1" << false;
    QTest::newRow("MJPG") << "image/jpeg,width=4,height=3,framerate=25/1" << false;
    QTest::newRow("RGB24") << "video/x-raw,format=RGB,width=4,height=3,framerate=25/1" << false;
    QTest::newRow("BGR24") << "video/x-raw,format=BGR,width=4,height=3,framerate=25/1" << false;
}

void TestGrabber::acceptsOnlyRgb32()
{
    QFETCH(QString, caps);
    QFETCH(bool, accepted);
    GstCaps *offered = gst_caps_from_string(caps.toUtf8().constData());
    GstPad *sink = gst_element_get_static_pad(harness->element, "sink");
    QCOMPARE(bool(gst_pad_query_accept_caps(sink, offered)), accepted);
    gst_object_unref(sink);
    gst_caps_unref(offered);
}

void TestGrabber::refusedFormatDoesNotNegotiate()
{
    gst_harness_set_src_caps_str(harness, "video/x-raw,format=YUY2,width=4,height=3,framerate=25/1");
    QCOMPARE(push(frame(0, true, QByteArray(FrameWidth * FrameHeight * 2, 0))), GST_FLOW_NOT_NEGOTIATED);
    QCOMPARE(receiver.calls, 0);
}

void TestGrabber::buffersWithoutTimestampsPass()
{
    for (int i = 0; i < 3; ++i)
        QCOMPARE(push(frame(GST_CLOCK_TIME_NONE)), GST_FLOW_OK);
    QCOMPARE(delivered(), 3);
    QCOMPARE(receiver.calls, 3);
}

void TestGrabber::throttleOffPassesEverything()
{
    GrabberElement::setThrottle(harness->element, false);
    QCOMPARE(push(frame(0, true)), GST_FLOW_OK);
    QVERIFY(gst_harness_set_time(harness, 60 * GST_SECOND));
    for (int i = 1; i <= 12; ++i)
        QCOMPARE(push(frame(i * FrameDuration)), GST_FLOW_OK);
    QCOMPARE(delivered(), 13);
    QCOMPARE(receiver.calls, 13);
}

void TestGrabber::discontinuityAnchors()
{
    QCOMPARE(push(frame(0, true)), GST_FLOW_OK);
    QCOMPARE(delivered(), 1);

    // The clock runs a second ahead of the stream: plain buffers are late and dropped quietly.
    QVERIFY(gst_harness_set_time(harness, 2 * GST_SECOND));
    QCOMPARE(push(frame(1 * FrameDuration)), GST_FLOW_OK);
    QCOMPARE(delivered(), 1);

    // A discontinuity takes the new offset: it and the buffers after it are on time.
    QCOMPARE(push(frame(2 * FrameDuration, true)), GST_FLOW_OK);
    QCOMPARE(push(frame(3 * FrameDuration)), GST_FLOW_OK);
    QCOMPARE(delivered(), 3);
    QCOMPARE(receiver.calls, 3);
}

void TestGrabber::atMostFiveLateInARow()
{
    QCOMPARE(push(frame(0, true)), GST_FLOW_OK);
    QVERIFY(gst_harness_set_time(harness, 3 * GST_SECOND));
    int pts = 1;
    for (int i = 0; i < GrabberElement::MaxLateInARow; ++i)
        QCOMPARE(push(frame(pts++ * FrameDuration)), GST_FLOW_OK);
    QCOMPARE(delivered(), 1);
    QCOMPARE(receiver.calls, 1);

    QCOMPARE(push(frame(pts++ * FrameDuration)), GST_FLOW_OK);
    QCOMPARE(delivered(), 2);

    // The sixth reset the count: five more late buffers are dropped again, then one passes.
    QVERIFY(gst_harness_set_time(harness, 6 * GST_SECOND));
    for (int i = 0; i < GrabberElement::MaxLateInARow; ++i)
        push(frame(pts++ * FrameDuration));
    QCOMPARE(delivered(), 2);
    push(frame(pts++ * FrameDuration));
    QCOMPARE(delivered(), 3);
    QCOMPARE(receiver.calls, 3);
}

void TestGrabber::receiverGetsTopDownFrameWithBottomRowFixed()
{
    GstBuffer *buffer = frame(0, true);
    GstMapInfo map;
    gst_buffer_map(buffer, &map, GST_MAP_READ);
    const uchar *pixels = map.data;
    gst_buffer_unmap(buffer, &map);
    QCOMPARE(push(buffer), GST_FLOW_OK);
    QCOMPARE(receiver.seenData, pixels); // packed rows are handed over as they are, not copied
    QCOMPARE(receiver.seenWidth, FrameWidth);
    QCOMPARE(receiver.seenHeight, FrameHeight);
    QCOMPARE(receiver.seenBottomUp, false);
    QCOMPARE(receiver.seenRgb32, true);

    const int row = FrameWidth * 4;
    const QByteArray original = rowPattern();
    QCOMPARE(receiver.seen.left(2 * row), original.left(2 * row));
    QCOMPARE(receiver.seen.mid(2 * row, row), original.mid(row, row));
}

void TestGrabber::whatTheReceiverWritesGoesDownstream()
{
    receiver.invert = true;
    QCOMPARE(push(frame(0, true)), GST_FLOW_OK);
    GstBuffer *out = gst_harness_pull(harness);
    QVERIFY(out);
    QByteArray expected = receiver.seen;
    for (char &byte : expected)
        byte = char(255 - uchar(byte));
    QCOMPARE(contentOf(out), expected);
    gst_buffer_unref(out);
}

void TestGrabber::shortBufferIsAnError()
{
    QCOMPARE(push(frame(0, true, QByteArray(FrameBytes - 4, 0))), GST_FLOW_ERROR);
    QCOMPARE(receiver.calls, 0);
}

// Rows padded beyond width x 4 bytes, as a video meta with a larger stride describes them: the
// receiver sees packed rows, and what it draws lands in the picture's bytes, not in the padding.
void TestGrabber::paddedRowsArePackedForTheReceiverAndWrittenBack()
{
    const int width = 30;
    const int height = 3;
    const int rowBytes = width * 4;
    const int stride = rowBytes + 8;
    const char padding = char(0xEE);
    gst_harness_set_src_caps_str(harness, "video/x-raw,format=BGRx,width=30,height=3,framerate=25/1");
    QByteArray padded(stride * height, padding);
    QByteArray picture(rowBytes * height, 0);
    for (int row = 0; row < height; ++row) {
        for (int i = 0; i < rowBytes; ++i)
            picture[row * rowBytes + i] = padded[row * stride + i] = char((row * 7 + i) % 251);
    }
    GstBuffer *buffer = frame(0, true, padded);
    gsize offsets[GST_VIDEO_MAX_PLANES] = {0};
    gint strides[GST_VIDEO_MAX_PLANES] = {stride};
    gst_buffer_add_video_meta_full(buffer, GST_VIDEO_FRAME_FLAG_NONE, GST_VIDEO_FORMAT_BGRx, width,
                                   height, 1, offsets, strides);
    receiver.invert = true;
    QCOMPARE(push(buffer), GST_FLOW_OK);

    // Packed, with the bottom row replaced by the one above it.
    QCOMPARE(receiver.seen.size(), rowBytes * height);
    QCOMPARE(receiver.seen.left(2 * rowBytes), picture.left(2 * rowBytes));
    QCOMPARE(receiver.seen.mid(2 * rowBytes), picture.mid(rowBytes, rowBytes));

    GstBuffer *out = gst_harness_pull(harness);
    QVERIFY(out);
    const QByteArray written = contentOf(out);
    gst_buffer_unref(out);
    QCOMPARE(written.size(), padded.size());
    for (int row = 0; row < height; ++row) {
        QByteArray inverted = receiver.seen.mid(row * rowBytes, rowBytes);
        for (char &byte : inverted)
            byte = char(255 - uchar(byte));
        QCOMPARE(written.mid(row * stride, rowBytes), inverted);
        QCOMPARE(written.mid(row * stride + rowBytes, stride - rowBytes), QByteArray(stride - rowBytes, padding));
    }
}

QTEST_GUILESS_MAIN(TestGrabber)
#include "tst_grabber.moc"
