#include "media/CaptureFormat.h"
#include "media/GstRuntime.h"
#include "tst_v4l2list.h"

#include <QFileInfo>
#include <QtTest>

#include <gst/gst.h>

#include <algorithm>

namespace {

const QVector<QSize> WantedSizes{{1280, 720}, {1920, 1080}, {2592, 1944}};
const double WantedRate = 25;
const double SmoothRate = 15;

// What a camera lists for one usable format at exactly one size.
struct Listing
{
    QString mediaType;
    QString format;
    QVector<double> rates;
};

bool isUsable(const GstStructure *structure)
{
    return gst_structure_has_name(structure, "video/x-raw") || gst_structure_has_name(structure, "image/jpeg");
}

double toDouble(const GValue *fraction)
{
    return double(gst_value_get_fraction_numerator(fraction)) / gst_value_get_fraction_denominator(fraction);
}

QVector<Listing> listingsAt(const GstCaps *offered, const QSize &size)
{
    QVector<Listing> listings;
    for (guint i = 0; i < gst_caps_get_size(offered); ++i) {
        const GstStructure *structure = gst_caps_get_structure(offered, i);
        if (!isUsable(structure))
            continue;
        GstStructure *probe = gst_structure_new(gst_structure_get_name(structure), "width", G_TYPE_INT,
                                                size.width(), "height", G_TYPE_INT, size.height(), nullptr);
        const bool atSize = gst_structure_can_intersect(structure, probe);
        gst_structure_free(probe);
        if (!atSize)
            continue;
        Listing listing{QString::fromUtf8(gst_structure_get_name(structure)),
                        QString::fromUtf8(gst_structure_get_string(structure, "format")), {}};
        const GValue *rates = gst_structure_get_value(structure, "framerate");
        if (rates && GST_VALUE_HOLDS_LIST(rates)) {
            for (guint r = 0; r < gst_value_list_get_size(rates); ++r)
                listing.rates << toDouble(gst_value_list_get_value(rates, r));
        } else if (rates) {
            listing.rates << toDouble(rates);
        }
        listings << listing;
    }
    return listings;
}

double fastestAt(const GstCaps *offered, const QSize &size)
{
    double fastest = 0;
    for (const Listing &listing : listingsAt(offered, size)) {
        for (double rate : listing.rates)
            fastest = qMax(fastest, rate);
    }
    return fastest;
}

bool smoothAt(const GstCaps *offered, const QSize &size)
{
    return fastestAt(offered, size) >= SmoothRate;
}

// The sizes listed one by one (stepwise ranges are left out).
QVector<QSize> discreteSizes(const GstCaps *offered)
{
    QVector<QSize> sizes;
    for (guint i = 0; i < gst_caps_get_size(offered); ++i) {
        const GstStructure *structure = gst_caps_get_structure(offered, i);
        const GValue *width = gst_structure_get_value(structure, "width");
        const GValue *height = gst_structure_get_value(structure, "height");
        if (isUsable(structure) && G_VALUE_HOLDS_INT(width) && G_VALUE_HOLDS_INT(height))
            sizes << QSize(g_value_get_int(width), g_value_get_int(height));
    }
    return sizes;
}

qint64 area(const QSize &size)
{
    return qint64(size.width()) * size.height();
}

bool byArea(const QSize &a, const QSize &b)
{
    return area(a) < area(b);
}

bool fitsInside(const QSize &size, const QSize &bounds)
{
    return size.width() <= bounds.width() && size.height() <= bounds.height();
}

struct CapsHolder
{
    explicit CapsHolder(GstCaps *held) : caps(held) {}
    ~CapsHolder()
    {
        if (caps)
            gst_caps_unref(caps);
    }
    GstCaps *caps;
};

} // namespace

class TestCaptureFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCameraListParses();
    void choiceFollowsTheRuleOnRealCameras_data();
    void choiceFollowsTheRuleOnRealCameras();
    void casesTheCamerasLack_data();
    void casesTheCamerasLack();
};

void TestCaptureFormat::initTestCase()
{
    GstRuntime::ensureInitialised();
    QVERIFY2(QFileInfo(v4l2list::camerasFolder()).isDir(), qPrintable(v4l2list::camerasFolder()));
    QVERIFY(!v4l2list::cameraFiles().isEmpty());
}

void TestCaptureFormat::everyCameraListParses()
{
    for (const QString &file : v4l2list::cameraFiles()) {
        QStringList unknown;
        const CapsHolder offered(v4l2list::parseFile(file, &unknown));
        QVERIFY2(offered.caps && !gst_caps_is_empty(offered.caps), qPrintable(file));
        QVERIFY2(unknown.isEmpty(), qPrintable(file + ": " + unknown.join(' ')));
    }
}

void TestCaptureFormat::choiceFollowsTheRuleOnRealCameras_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("wanted");
    for (const QString &file : v4l2list::cameraFiles()) {
        for (const QSize &wanted : WantedSizes) {
            const QString row = QStringLiteral("%1 at %2x%3").arg(QFileInfo(file).baseName()).arg(wanted.width()).arg(wanted.height());
            QTest::newRow(qPrintable(row)) << file << wanted;
        }
    }
}

void TestCaptureFormat::choiceFollowsTheRuleOnRealCameras()
{
    QFETCH(QString, file);
    QFETCH(QSize, wanted);
    const CapsHolder offered(v4l2list::parseFile(file));
    QVERIFY(offered.caps);
    const CaptureFormat choice = CaptureFormat::choose(offered.caps, wanted);
    qDebug().noquote() << QFileInfo(file).baseName() << "wanting" << wanted << "takes" << describe(choice);
    QVERIFY(choice.isValid());

    // Only what the camera offers.
    const CapsHolder chosen(choice.toCaps());
    QVERIFY(gst_caps_is_fixed(chosen.caps));
    QVERIFY(gst_caps_can_intersect(chosen.caps, offered.caps));

    // The size rule.
    const QVector<QSize> listed = discreteSizes(offered.caps);
    QVector<QSize> smooth;
    std::copy_if(listed.begin(), listed.end(), std::back_inserter(smooth),
                 [&offered](const QSize &size) { return smoothAt(offered.caps, size); });
    QVector<QSize> smoothInside;
    std::copy_if(smooth.begin(), smooth.end(), std::back_inserter(smoothInside),
                 [&wanted](const QSize &size) { return fitsInside(size, wanted); });
    if (smoothAt(offered.caps, wanted) || listed.isEmpty()) {
        // Only stepwise lists have no discrete sizes; every wanted size lies within their range.
        QCOMPARE(choice.size, wanted);
    } else if (!smoothInside.isEmpty()) {
        QVERIFY(fitsInside(choice.size, wanted));
        QVERIFY(smoothAt(offered.caps, choice.size));
        QCOMPARE(area(choice.size), area(*std::max_element(smoothInside.begin(), smoothInside.end(), byArea)));
    } else if (!smooth.isEmpty()) {
        QVERIFY(smoothAt(offered.caps, choice.size));
        QCOMPARE(area(choice.size), area(*std::min_element(smooth.begin(), smooth.end(), byArea)));
    } else {
        QCOMPARE(area(choice.size), area(*std::min_element(listed.begin(), listed.end(), byArea)));
    }

    // 25 frames per second or the nearest above; otherwise the best the camera has at that size.
    const double rate = double(choice.fpsNumerator) / choice.fpsDenominator;
    const QVector<Listing> listings = listingsAt(offered.caps, choice.size);
    const double fastest = fastestAt(offered.caps, choice.size);
    if (fastest >= WantedRate) {
        QVERIFY(rate >= WantedRate);
        for (const Listing &listing : listings) {
            for (double other : listing.rates)
                QVERIFY2(other < WantedRate || other >= rate, qPrintable(listing.mediaType));
        }
    } else {
        QCOMPARE(rate, fastest);
    }

    // Raw wins a tie with MJPEG: nothing is decoded without need.
    if (choice.mediaType == QLatin1String("image/jpeg")) {
        for (const Listing &listing : listings)
            QVERIFY(listing.mediaType != QLatin1String("video/x-raw") || !listing.rates.contains(rate));
    }
    // The old choice's fault: YUYV at 5 fps where MJPEG gives 30.
    QVERIFY(!(choice.format == QLatin1String("YUY2") && rate < SmoothRate && fastest >= WantedRate));
}

void TestCaptureFormat::casesTheCamerasLack_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QString>("expected"); // empty: nothing usable

    const QSize hd(1280, 720);
    QTest::newRow("25 fps offered exactly")
        << "video/x-raw,format=YUY2,width=1280,height=720,framerate={30/1,25/1,15/1}" << hd
        << "video/x-raw,format=YUY2,width=1280,height=720,framerate=25/1";
    QTest::newRow("29.97 as a fraction is nearer 25 than 30")
        << "video/x-raw,format=NV12,width=1280,height=720,framerate=30/1;"
           "image/jpeg,width=1280,height=720,framerate={60/1,30000/1001}"
        << hd << "image/jpeg,width=1280,height=720,framerate=30000/1001";
    QTest::newRow("raw and MJPEG tie: raw")
        << "image/jpeg,width=1280,height=720,framerate=30/1;"
           "video/x-raw,format=YUY2,width=1280,height=720,framerate=30/1"
        << hd << "video/x-raw,format=YUY2,width=1280,height=720,framerate=30/1";
    QTest::newRow("raw formats tie: BGRx needs no conversion")
        << "video/x-raw,format={I420,BGRx},width=1280,height=720,framerate=30/1" << hd
        << "video/x-raw,format=BGRx,width=1280,height=720,framerate=30/1";
    QTest::newRow("H.264 where nothing else has the size")
        << "video/x-h264,stream-format=byte-stream,alignment=au,width=1920,height=1080,framerate=30/1;"
           "image/jpeg,width=1280,height=720,framerate=30/1"
        << QSize(1920, 1080) << "video/x-h264,width=1920,height=1080,framerate=30/1";
    QTest::newRow("no H.264 where another format has the size")
        << "video/x-h264,stream-format=byte-stream,alignment=au,width=1280,height=720,framerate=30/1;"
           "video/x-raw,format=YUY2,width=1280,height=720,framerate=5/1"
        << hd << "video/x-raw,format=YUY2,width=1280,height=720,framerate=5/1";
    QTest::newRow("stepwise without rates: wanted size on the step, no rate")
        << "video/x-raw,format=YUY2,width=[32,2592,2],height=[32,1944,2]" << QSize(1281, 721)
        << "video/x-raw,format=YUY2,width=1280,height=720";
    QTest::newRow("nothing usable")
        << "video/x-bayer,format=bggr,width=1280,height=720,framerate=30/1;"
           "video/x-raw,format=ENCODED,width=1280,height=720,framerate=30/1"
        << hd << QString();
}

void TestCaptureFormat::casesTheCamerasLack()
{
    QFETCH(QString, offered);
    QFETCH(QSize, wanted);
    QFETCH(QString, expected);
    if (expected.startsWith(QLatin1String("video/x-h264")))
        QVERIFY2(!installedH264Decoder().isEmpty(), "no H.264 decoder installed (gstreamer1.0-libav)");
    const CapsHolder offeredCaps(gst_caps_from_string(offered.toUtf8().constData()));
    QVERIFY(offeredCaps.caps);
    const CaptureFormat choice = CaptureFormat::choose(offeredCaps.caps, wanted);
    if (expected.isEmpty()) {
        QVERIFY(!choice.isValid());
        return;
    }
    QVERIFY(choice.isValid());
    const CapsHolder expectedCaps(gst_caps_from_string(expected.toUtf8().constData()));
    const CapsHolder chosen(choice.toCaps());
    QVERIFY2(gst_caps_is_equal(chosen.caps, expectedCaps.caps), qPrintable(describe(choice)));
    if (!expected.contains(QLatin1String("framerate"))) {
        QCOMPARE(choice.fpsNumerator, 0);
        QCOMPARE(choice.fpsDenominator, 1);
    }
}

QTEST_GUILESS_MAIN(TestCaptureFormat)
#include "tst_captureformat.moc"
