// Damaged films opened and played the way the film mode does it: AVI and WMV files made here and
// now by GStreamer, then cut short at many places, with bits flipped in the header and all over,
// with stretches overwritten, and with headers whose sizes, stream counts, buffer sizes and frame
// sizes claim far more than the file holds. Every film is either refused at once or plays what
// it can and comes to rest; nothing crashes or hangs, memory stays bounded, and a film the user
// asked for that cannot be opened is told in a message.
#include "Config.h"
#include "FilmSource.h"
#include "ICaptureCB.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "OSDProcessor.h"
#include "media/GstRuntime.h"
#include "tst_gapprobe.h"
#include "tst_memory.h"
#include "tst_pipelines.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <gst/gst.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

using testmemory::MeasuresMemory;
using testmemory::peakMemoryMiB;
using testpipelines::encode;

constexpr long MemoryBoundMiB = 256;

// Stands in for the film canvas: counts frames and checks that each is whole.
class Receiver : public ICaptureCB
{
public:
    std::atomic<int> frames{0};
    std::atomic<int> oddFrames{0};

    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *data, int w, int h, bool, bool rgb32) override
    {
        if (!data || w <= 0 || h <= 0 || w > 4096 || h > 4096 || !rgb32)
            ++oddFrames;
        ++frames;
    }
    void startAutoRefresh() override {}
    void stopAutoRefresh() override {}
};

// Two seconds of a moving ball at 160 x 120, 25 frames a second, with silence beside it.
QString branches(const char *videoEncoder, const char *audioEncoder)
{
    return QStringLiteral("videotestsrc num-buffers=50 pattern=ball ! video/x-raw,width=160,height=120,"
                          "framerate=25/1 ! %1 ! mux. "
                          "audiotestsrc wave=silence num-buffers=20 samplesperbuffer=800 ! "
                          "audio/x-raw,rate=8000,channels=1,format=S16LE ! %2 mux. ")
        .arg(QLatin1String(videoEncoder), QLatin1String(audioEncoder));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray flipBits(QByteArray bytes, quint32 seed, int count, int within)
{
    QRandomGenerator generator(seed);
    const int span = qMin(within, bytes.size());
    for (int i = 0; i < count && span > 0; ++i) {
        const int at = int(generator.bounded(span));
        bytes[at] = char(bytes.at(at) ^ (1 << generator.bounded(8)));
    }
    return bytes;
}

QByteArray overwrite(QByteArray bytes, int from, int to, bool randomly)
{
    QRandomGenerator generator{quint32(from)};
    for (int i = from; i < to && i < bytes.size(); ++i)
        bytes[i] = randomly ? char(generator.generate() & 0xff) : char(0);
    return bytes;
}

// Writes a little-endian 32-bit value at offset bytes after the first occurrence of tag;
// unchanged when the tag is not there.
QByteArray setAfter(QByteArray bytes, const QByteArray &tag, int offset, quint32 value, int occurrence = 0)
{
    int at = -1;
    for (int i = 0; i <= occurrence; ++i) {
        at = bytes.indexOf(tag, at + 1);
        if (at < 0)
            return bytes;
    }
    if (at + offset + 4 <= bytes.size())
        qToLittleEndian<quint32>(value, bytes.data() + at + offset);
    return bytes;
}

// Fills the data of every video chunk ("00db", "00dc") of the AVI's movie list with one byte, so
// that no frame decodes; the sound and every size stay as they were.
QByteArray spoilPictures(QByteArray avi)
{
    int at = avi.indexOf("movi");
    if (at < 0)
        return QByteArray();
    at += 4;
    while (at + 8 <= avi.size()) {
        const QByteArray tag = avi.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(avi.constData() + at + 4);
        if (tag == "idx1" || size > quint32(avi.size() - at - 8))
            break;
        if (tag == "00db" || tag == "00dc")
            avi.replace(at + 8, int(size), QByteArray(int(size), char(0x55)));
        at += 8 + int(size) + int(size & 1);
    }
    return avi;
}

struct Film
{
    QString name;
    QByteArray bytes;
};

const QByteArray AsfHeader = QByteArray::fromHex("3026b2758e66cf11a6d900aa0062ce6c");
const QByteArray AsfFileProperties = QByteArray::fromHex("a1dcab8c47a9cf118ee400c00c205365");

// The damage every film gets, whatever its container.
void addCommonDamage(std::vector<Film> &films, const QString &stem, const QString &suffix, const QByteArray &whole)
{
    const int n = whole.size();
    auto add = [&](const QString &what, const QByteArray &bytes) {
        films.push_back({stem + QLatin1Char('-') + what + QLatin1Char('.') + suffix, bytes});
    };
    add(QStringLiteral("empty"), QByteArray());
    add(QStringLiteral("cut-header"), whole.left(200));
    for (int percent : {5, 30, 60, 95})
        add(QStringLiteral("cut-%1").arg(percent), whole.left(n * percent / 100));
    for (quint32 seed = 1; seed <= 4; ++seed)
        add(QStringLiteral("flip-header-%1").arg(seed), flipBits(whole, seed, int(seed), 1024));
    for (quint32 seed = 1; seed <= 3; ++seed)
        add(QStringLiteral("flip-all-%1").arg(seed), flipBits(whole, seed * 7919, 64, n));
    add(QStringLiteral("zeroed"), overwrite(whole, n / 3, n / 2, false));
    add(QStringLiteral("noise"), overwrite(whole, n / 2, 2 * n / 3, true));
}

void addAviDamage(std::vector<Film> &films, const QByteArray &avi)
{
    auto add = [&](const char *what, const QByteArray &bytes) {
        films.push_back({QStringLiteral("avi-%1.avi").arg(QLatin1String(what)), bytes});
    };
    const int index = avi.indexOf("idx1");
    if (index > 0)
        add("no-index", avi.left(index));
    QByteArray sizes = setAfter(avi, "RIFF", 4, 0xfffffff0u);
    sizes = setAfter(sizes, "movi", -4, 0xfffffff0u);
    add("huge-sizes", sizes);
    // Main header: streams at 24 and the suggested buffer at 28, width and height at 32 and 36.
    add("many-streams", setAfter(avi, "avih", 8 + 24, 0xffffu));
    QByteArray buffer = setAfter(avi, "avih", 8 + 28, 0x7ffffff0u);
    buffer = setAfter(buffer, "strh", 8 + 36, 0x7ffffff0u);
    add("huge-buffer", buffer);
    QByteArray frame = setAfter(avi, "avih", 8 + 32, 65535);
    frame = setAfter(frame, "avih", 8 + 36, 65535);
    frame = setAfter(frame, "strf", 8 + 4, 65535);
    frame = setAfter(frame, "strf", 8 + 8, 65535);
    add("huge-frame", frame);
    add("negative-frame", setAfter(setAfter(avi, "strf", 8 + 4, 0x80000000u), "strf", 8 + 8, 0x80000000u));
    add("huge-chunk", setAfter(avi, "00dc", 4, 0x7ffffff0u, 2));
    add("zero-rate", setAfter(setAfter(avi, "strh", 8 + 20, 0), "strh", 8 + 24, 0));
}

void addWmvDamage(std::vector<Film> &films, const QByteArray &wmv)
{
    auto add = [&](const char *what, const QByteArray &bytes) {
        films.push_back({QStringLiteral("wmv-%1.wmv").arg(QLatin1String(what)), bytes});
    };
    add("huge-header", setAfter(setAfter(wmv, AsfHeader, 16, 0xfffffff0u), AsfHeader, 20, 0x7fffffffu));
    // File properties: the smallest and largest packet sizes at 92 and 96.
    add("huge-packets", setAfter(setAfter(wmv, AsfFileProperties, 92, 0x7ffffff0u), AsfFileProperties, 96, 0x7ffffff0u));
    add("tiny-packets", setAfter(setAfter(wmv, AsfFileProperties, 92, 1), AsfFileProperties, 96, 1));
}

// The main window with its dialogs answered by the test.
class TestedWindow : public MainWindow
{
public:
    QStringList errors;
    QString fileToOpen;

protected:
    void showError(const QString &text) override { errors << text; }
    QString askOpenFileName(const QString &, const QString &) override { return fileToOpen; }
};

} // namespace

class HostileFilmsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyDamagedFilmIsRefusedOrComesToRest();
    void aRefusedFilmIsToldToTheUser();
    void aGoodFilmStillPlaysAfterwards();
    void aFilmWithoutPictureIsTold();

private:
    QTemporaryDir dir;
    std::vector<Film> films;
    QString wmvProblem;
};

void HostileFilmsTest::initTestCase()
{
    GstRuntime::ensureInitialised();
    QVERIFY(dir.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));

    QString problem;
    const QString avi = dir.filePath(QStringLiteral("good.avi"));
    QVERIFY2(encode(QStringLiteral("avimux name=mux ! filesink location=\"%1\" ").arg(avi)
                        + branches("jpegenc", ""),
                    &problem),
             qPrintable(problem));
    const QByteArray aviBytes = readAll(avi);
    QVERIFY(aviBytes.size() > 10000);
    addCommonDamage(films, QStringLiteral("avi"), QStringLiteral("avi"), aviBytes);
    addAviDamage(films, aviBytes);

    GstElementFactory *asfmux = gst_element_factory_find("asfmux");
    const char *muxer = asfmux ? "asfmux" : "avmux_asf";
    if (asfmux)
        gst_object_unref(asfmux);
    const QString wmv = dir.filePath(QStringLiteral("good.wmv"));
    if (encode(QStringLiteral("%1 name=mux ! filesink location=\"%2\" ").arg(QLatin1String(muxer), wmv)
                   + branches("avenc_wmv2 name=venc", "audioconvert ! avenc_wmav2 !"),
               &problem)) {
        const QByteArray wmvBytes = readAll(wmv);
        addCommonDamage(films, QStringLiteral("wmv"), QStringLiteral("wmv"), wmvBytes);
        addWmvDamage(films, wmvBytes);
    } else {
        wmvProblem = problem.isEmpty() ? QStringLiteral("the WMV encoding did not finish") : problem;
        qWarning("No WMV films in the hostile set: %s", qPrintable(wmvProblem));
    }

    for (const Film &film : films) {
        QFile file(dir.filePath(film.name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(film.bytes), qint64(film.bytes.size()));
    }
}

// All films at once, each in a film source of its own as the film canvas would have it: those
// that open play side by side until every one has come to rest.
void HostileFilmsTest::everyDamagedFilmIsRefusedOrComesToRest()
{
    const long before = peakMemoryMiB();
    struct Player
    {
        Receiver receiver;
        std::unique_ptr<FilmSource> source;
        std::unique_ptr<QSignalSpy> failures;
    };
    std::vector<std::unique_ptr<Player>> players;
    int opened = 0;
    for (const Film &film : films) {
        auto player = std::make_unique<Player>();
        player->source = std::make_unique<FilmSource>(&player->receiver);
        player->failures = std::make_unique<QSignalSpy>(player->source.get(), SIGNAL(playbackFailed(QString)));
        if (player->source->open(dir.filePath(film.name))) {
            ++opened;
            QVERIFY2(player->source->isPlaying(), qPrintable(film.name));
        } else {
            QVERIFY2(!player->source->isOpened(), qPrintable(film.name));
        }
        players.push_back(std::move(player));
    }
    // Some damage is harmless enough to play: a film cut at 95 % for one.
    QVERIFY(opened > 0);

    const bool allAtRest = QTest::qWaitFor([&] {
        for (const auto &player : players)
            if (player->source->isPlaying())
                return false;
        return true;
    }, 30000);
    for (size_t i = 0; i < players.size() && !allAtRest; ++i) {
        if (players[i]->source->isPlaying())
            qWarning("still playing: %s", qPrintable(films[i].name));
    }
    for (size_t i = 0; i < players.size(); ++i) {
        const Player &player = *players[i];
        const QByteArray nameBytes = films[i].name.toLocal8Bit();
        const char *name = nameBytes.constData();
        QVERIFY2(!player.source->isPlaying(), name);
        QVERIFY2(player.failures->count() <= 1, name);
        QCOMPARE(player.receiver.oddFrames.load(), 0);
    }
    int failed = 0;
    for (const auto &player : players)
        failed += player->failures->count();
    qInfo("%d films: %d opened, %d of them stopped on damage; peak memory grew by %ld MiB",
          int(films.size()), opened, failed, peakMemoryMiB() - before);
    players.clear();

    if (MeasuresMemory)
        QVERIFY2(peakMemoryMiB() - before < MemoryBoundMiB,
                 qPrintable(QStringLiteral("peak grew by %1 MiB").arg(peakMemoryMiB() - before)));
}

// Through the main window: a film that cannot be opened is told, the film canvas keeps what it
// showed, and the window's event loop runs on while the player tries the file (a film cut inside
// its header takes the player seconds to give up on).
void HostileFilmsTest::aRefusedFilmIsToldToTheUser()
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    TestedWindow window;
    QTest::mouseClick(window.filmButton, Qt::LeftButton);
    const QImage before = window.filmCanvas->currentImage();
    testprobe::GapProbe probe;
    int refused = 0;
    for (const char *name : {"avi-empty.avi", "avi-cut-header.avi", "wmv-empty.wmv"}) {
        const QString path = dir.filePath(QLatin1String(name));
        if (!QFile::exists(path))
            continue;
        ++refused;
        window.fileToOpen = path;
        probe.start();
        QTest::mouseClick(window.filmOpenButton, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.errors.size(), refused, 15000);
        const qint64 stall = probe.stop();
        QVERIFY2(stall < 250, qPrintable(QStringLiteral("%1: stood still for %2 ms").arg(name).arg(stall)));
        QVERIFY(window.errors.last().contains(QStringLiteral("could not be opened")));
        QVERIFY(!window.filmSource->isOpened());
    }
    QCOMPARE(window.filmCanvas->currentImage(), before);
}

void HostileFilmsTest::aGoodFilmStillPlaysAfterwards()
{
    Receiver receiver;
    FilmSource source(&receiver);
    QVERIFY(source.open(dir.filePath(QStringLiteral("good.avi"))));
    QVERIFY(QTest::qWaitFor([&] { return receiver.frames >= 10; }, 5000));
    QCOMPARE(receiver.oddFrames.load(), 0);
}

// Its picture decodes to nothing while its sound plays: the film canvas and a message say so, and
// the sound goes on.
void HostileFilmsTest::aFilmWithoutPictureIsTold()
{
    const QString path = dir.filePath(QStringLiteral("no-picture.avi"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(spoilPictures(readAll(dir.filePath(QStringLiteral("good.avi")))));
    file.close();

    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    TestedWindow window;
    QTest::mouseClick(window.filmButton, Qt::LeftButton);
    window.fileToOpen = path;
    QTest::mouseClick(window.filmOpenButton, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(window.errors.size(), 1, 10000);
    const QString text = QStringLiteral("The film has no picture this computer can show.");
    QCOMPARE(window.errors.first(), text);
    QCOMPARE(window.filmCanvas->osd->message(), text);
    QVERIFY(window.filmSource->isOpened());
}

QTEST_MAIN(HostileFilmsTest)
#include "tst_hostilefilms.moc"
