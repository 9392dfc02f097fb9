// Recordings that outlive a crash: a recording process killed in the middle leaves an AVI without
// its index, and the next start finds it and makes it whole; an MP4 plays as it was left, up to its
// last fragment, and the next start gives it its length and index. Also which files the start-up repair
// takes, which it leaves alone, and that a failed or cancelled repair leaves the file as it was.
#include "RecordingFileKeeper.h"
#include "RecordingRescuer.h"
#include "media/AviFileCheck.h"
#include "media/Mp4FileCheck.h"
#include "media/GstRuntime.h"
#include "media/RecordingRepair.h"
#include "record_helper/TestRecording.h"
#include "tst_blockingfiles.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <gst/gst.h>

using namespace TestRecording;

namespace {

QByteArray fingerprint(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}

bool hasIdx1Chunk(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("idx1");
}

// A finished recording of the ball and silence, made by the program's own live source.
bool record(const QString &path, int milliseconds)
{
    CountingReceiver receiver;
    QScopedPointer<LiveSource> source(openSource(
        &receiver, QSize(320, 240),
        "videotestsrc is-live=true pattern=ball ! capsfilter caps=video/x-raw,width=320,height=240,framerate=25/1"));
    source->startRecording(path);
    if (!source->isRecording())
        return false;
    QTest::qWait(milliseconds);
    QSignalSpy ended(source.data(), SIGNAL(recordingEnded()));
    source->stopRecording();
    if (!ended.wait(CapturePipeline::FinishTimeoutMs + 2000))
        return false;
    return AviFileCheck::inspect(path) == AviFileCheck::State::Complete;
}

bool copyCut(const QString &from, const QString &to, int percent)
{
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = source.readAll();
    return target.write(bytes.left(bytes.size() * percent / 100)) > 0;
}

QStringList hiddenFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
}

} // namespace

class RepairTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void killedRecordingIsRepairedAtTheNextStart();
    void killedMp4RecordingIsRepairedAtTheNextStart();
    void checkTellsFinishedFromCutOff();
    void onlyTheProgramsCutOffRecordingsAreTaken();
    void fileInUseIsLeftAlone();
    void repairThatFailsLeavesTheFile();
    void tooLittleRoomLeavesTheFile();
    void longRepairShowsProgressAndCanBeCancelled();
    void pipesNamedLikeRecordingsDoNotStopTheStart();

private:
    QString path(const QString &name) const { return folder->filePath(name); }
    // Starts the program with this case's folder as its recording folder and lets it run until
    // the condition holds (at most 30 s).
    void runProgramUntil(const std::function<bool()> &condition);

    QString finished;   // a whole recording of two seconds
    QScopedPointer<QTemporaryDir> folder;
    QTemporaryDir store;
};

void RepairTest::initTestCase()
{
    GstRuntime::ensureInitialised();
    QVERIFY(store.isValid());
    finished = store.filePath(QStringLiteral("finished.avi"));
    QVERIFY(record(finished, 2000));
}

void RepairTest::init()
{
    folder.reset(new QTemporaryDir);
    QVERIFY(folder->isValid());
}

// The helper records through the live source until it is killed without warning. The file it
// leaves has no index; the next start of the program gives it one and keeps every frame.
void RepairTest::killedRecordingIsRepairedAtTheNextStart()
{
    const QString file = path(QStringLiteral("2024-05-01_12-00-00.avi"));
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral(TEST_BINARY_DIR "/tests/record_helper"), {file});
    QVERIFY2(helper.waitForStarted(5000), qPrintable(helper.errorString()));
    QVERIFY(helper.waitForReadyRead(15000));
    QCOMPARE(helper.readLine().trimmed(), QByteArray("recording"));
    QTest::qWait(3000);
    helper.kill(); // SIGKILL: nothing of the program runs any more
    QVERIFY(helper.waitForFinished(5000));
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

    QCOMPARE(AviFileCheck::inspect(file), AviFileCheck::State::MissingIndex);
    QVERIFY(!hasIdx1Chunk(file));
    const Frames cut = readFrames(file);
    QVERIFY2(cut.demuxed >= 40, qPrintable(cut.describe()));
    const QDateTime modified = QFileInfo(file).lastModified();

    runProgramUntil([&file] { return AviFileCheck::inspect(file) == AviFileCheck::State::Complete; });

    QCOMPARE(AviFileCheck::inspect(file), AviFileCheck::State::Complete);
    QVERIFY(hasIdx1Chunk(file));
    const Frames whole = readFrames(file);
    QVERIFY2(whole.allDecode(), qPrintable(whole.describe()));
    // Every whole picture is kept; the last one, if the kill cut it in half, may be left out.
    QVERIFY2(whole.demuxed >= cut.demuxed - 1 && whole.demuxed <= cut.demuxed,
             qPrintable(whole.describe() + QStringLiteral(" against ") + cut.describe()));
    QVERIFY(whole.audioBuffers > 0);
    QCOMPARE(QFileInfo(file).lastModified(), modified);
    QVERIFY2(hiddenFiles(folder->path()).isEmpty(), qPrintable(hiddenFiles(folder->path()).join(' ')));

    // Another start finds nothing more to do.
    RecordingRescuer rescuer;
    QCOMPARE(rescuer.rescue(folder->path()), 0);
    QVERIFY(rescuer.failed().isEmpty());
}

void RepairTest::runProgramUntil(const std::function<bool()> &condition)
{
    QTemporaryDir home;
    QSettings settings(home.filePath(QStringLiteral(".config/Morvane/Document Camera.conf")),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("recordPath"), folder->path());
    settings.sync();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(TEST_BINARY_DIR "/document-camera"), QStringList());
    QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(condition(), 30000);
    program.kill();
    QVERIFY(program.waitForFinished(5000));
}

// Killed the same way, an MP4 recording plays at once up to its last whole fragment, but states
// no length and lacks its index; the next start gives it both and keeps every frame.
void RepairTest::killedMp4RecordingIsRepairedAtTheNextStart()
{
    if (!RecordingFormat(RecordingFormat::Mp4).isInstalled())
        QSKIP("no H.264 encoder or MP4 writer installed");
    const QString file = path(QStringLiteral("2024-05-01_12-00-01.mp4"));
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral(TEST_BINARY_DIR "/tests/record_helper"), {file});
    QVERIFY2(helper.waitForStarted(5000), qPrintable(helper.errorString()));
    QVERIFY(helper.waitForReadyRead(15000));
    QCOMPARE(helper.readLine().trimmed(), QByteArray("recording"));
    QTest::qWait(3000);
    helper.kill();
    QVERIFY(helper.waitForFinished(5000));
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

    QCOMPARE(Mp4FileCheck::inspect(file), Mp4FileCheck::State::MissingIndex);
    const Frames cut = readFrames(file);
    QVERIFY2(cut.allDecode(), qPrintable(cut.describe()));
    // Three seconds recorded; at most the fragment under way is lost.
    const int fragmentFrames = int(RecordingFormat::FragmentMs / 40);
    QVERIFY2(cut.demuxed >= 75 - 2 * fragmentFrames, qPrintable(cut.describe()));
    QVERIFY2(cut.audioBuffers > 0, qPrintable(cut.describe()));

    runProgramUntil([&file] { return Mp4FileCheck::inspect(file) == Mp4FileCheck::State::Complete; });
    const Frames whole = readFrames(file);
    QVERIFY2(whole.allDecode(), qPrintable(whole.describe()));
    // Every whole picture is kept; the last one, if the kill cut it in half, may be left out.
    QVERIFY2(whole.demuxed >= cut.demuxed - 1 && whole.demuxed <= cut.demuxed,
             qPrintable(whole.describe() + QStringLiteral(" against ") + cut.describe()));
    QVERIFY(whole.audioBuffers > 0);
    QVERIFY2(hiddenFiles(folder->path()).isEmpty(), qPrintable(hiddenFiles(folder->path()).join(' ')));
}

void RepairTest::checkTellsFinishedFromCutOff()
{
    QCOMPARE(AviFileCheck::inspect(finished), AviFileCheck::State::Complete);
    const QString cut = path(QStringLiteral("cut.avi"));
    QVERIFY(copyCut(finished, cut, 70));
    QCOMPARE(AviFileCheck::inspect(cut), AviFileCheck::State::MissingIndex);
    // Cut just before the index: the movi list is whole, the index is missing.
    QFile whole(finished);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const int index = bytes.lastIndexOf("idx1");
    QVERIFY(index > 0);
    QFile beforeIndex(cut);
    QVERIFY(beforeIndex.open(QIODevice::WriteOnly));
    beforeIndex.write(bytes.left(index));
    beforeIndex.close();
    QCOMPARE(AviFileCheck::inspect(cut), AviFileCheck::State::MissingIndex);

    const QString text = path(QStringLiteral("text.avi"));
    QFile other(text);
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("RIFX this is not a film at all");
    other.close();
    QCOMPARE(AviFileCheck::inspect(text), AviFileCheck::State::NotAvi);
    QCOMPARE(AviFileCheck::inspect(path(QStringLiteral("missing.avi"))), AviFileCheck::State::NotAvi);
}

// Only the program's own names are taken, and only those cut off; a finished recording and a
// foreign file are not touched, and the remnant of an interrupted repair is cleared away.
void RepairTest::onlyTheProgramsCutOffRecordingsAreTaken()
{
    const QString cut = path(QStringLiteral("2024-05-01_12-00-01_2.avi"));
    const QString foreign = path(QStringLiteral("holiday.avi"));
    const QString whole = path(QStringLiteral("2024-05-01_12-00-02.avi"));
    const QString remnant = RecordingRepair::temporaryName(path(QStringLiteral("2024-05-01_12-00-03.avi")));
    QVERIFY(copyCut(finished, cut, 60));
    QVERIFY(copyCut(finished, foreign, 60));
    QVERIFY(QFile::copy(finished, whole));
    QVERIFY(copyCut(finished, remnant, 30));
    // Named like an MP4 recording, but no MP4 at all.
    const QString notMp4 = path(QStringLiteral("2024-05-01_12-00-05.mp4"));
    QVERIFY(copyCut(finished, notMp4, 50));
    const QByteArray foreignBefore = fingerprint(foreign);
    const QByteArray wholeBefore = fingerprint(whole);

    QVERIFY(RecordingRescuer::isRecordingName(QStringLiteral("2024-05-01_12-00-01.avi")));
    QVERIFY(RecordingRescuer::isRecordingName(QStringLiteral("2024-05-01_12-00-01_12.avi")));
    QVERIFY(RecordingRescuer::isRecordingName(QStringLiteral("2024-05-01_12-00-01.mp4")));
    QVERIFY(!RecordingRescuer::isRecordingName(QStringLiteral("2024-05-01_12-00-01.AVI.bak")));
    QVERIFY(!RecordingRescuer::isRecordingName(QStringLiteral("x2024-05-01_12-00-01.avi")));
    QCOMPARE(RecordingRescuer::cutOffRecordings(folder->path()), QStringList{cut});

    RecordingRescuer rescuer;
    QCOMPARE(rescuer.rescue(folder->path()), 1);
    QCOMPARE(AviFileCheck::inspect(cut), AviFileCheck::State::Complete);
    QVERIFY(readFrames(cut).allDecode());
    QCOMPARE(fingerprint(foreign), foreignBefore);
    QCOMPARE(fingerprint(whole), wholeBefore);
    QVERIFY(!QFileInfo::exists(remnant));
}

// A recording still being written by another instance holds a lock: the repair leaves it be.
void RepairTest::fileInUseIsLeftAlone()
{
    const QString cut = path(QStringLiteral("2024-05-01_12-00-04.avi"));
    QVERIFY(copyCut(finished, cut, 60));
    const QByteArray before = fingerprint(cut);
    RecordingFileKeeper writer;
    QVERIFY(writer.hold(cut));

    RecordingRescuer rescuer;
    QCOMPARE(rescuer.rescue(folder->path()), 0);
    QCOMPARE(rescuer.failed().size(), 1);
    QCOMPARE(fingerprint(cut), before);

    QCOMPARE(writer.release(), RecordingFileKeeper::Outcome::Kept);
    QCOMPARE(rescuer.rescue(folder->path()), 1);
}

// A file with nothing to save (a header and no pictures) cannot be repaired: it stays as it was,
// no temporary file is left behind, and the next start tries again.
void RepairTest::repairThatFailsLeavesTheFile()
{
    const QString broken = path(QStringLiteral("2024-05-01_12-00-05.avi"));
    QFile whole(finished);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const int movi = bytes.indexOf("movi");
    QVERIFY(movi > 0);
    QByteArray header = bytes.left(movi + 4);
    header += QByteArray(4096, '\x5A');
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(header);
    file.close();
    const QByteArray before = fingerprint(broken);

    RecordingRescuer rescuer;
    QCOMPARE(rescuer.rescue(folder->path()), 0);
    QCOMPARE(rescuer.failed().size(), 1);
    QCOMPARE(fingerprint(broken), before);
    QVERIFY(hiddenFiles(folder->path()).isEmpty());
    QCOMPARE(RecordingRescuer::cutOffRecordings(folder->path()), QStringList{broken});
}

// The repair writes a second copy: without room for it and the recording minimum it waits.
void RepairTest::tooLittleRoomLeavesTheFile()
{
    const QString cut = path(QStringLiteral("2024-05-01_12-00-06.avi"));
    QVERIFY(copyCut(finished, cut, 60));
    const QByteArray before = fingerprint(cut);
    QStringList asked;
    RecordingRescuer rescuer;
    rescuer.setFreeSpaceQuery([&](const QString &where) {
        asked << where;
        return RecordingWatch::DefaultMinimumFreeBytes + 1000;
    });
    QCOMPARE(rescuer.rescue(folder->path()), 0);
    QCOMPARE(fingerprint(cut), before);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(QDir(asked.first()), QDir(folder->path()));

    rescuer.setFreeSpaceQuery([](const QString &) { return qint64(1) << 40; });
    QCOMPARE(rescuer.rescue(folder->path()), 1);
}

// With no delay the dialog comes up at once and shows the file; cancelling it stops the repair
// and leaves the file as it was.
void RepairTest::longRepairShowsProgressAndCanBeCancelled()
{
    const QString first = path(QStringLiteral("2024-05-01_12-00-07.avi"));
    const QString second = path(QStringLiteral("2024-05-01_12-00-08.avi"));
    QVERIFY(copyCut(finished, first, 60));
    QVERIFY(copyCut(finished, second, 60));
    const QByteArray before = fingerprint(first);

    QString shownLabel;
    bool shown = false;
    QTimer watcher;
    watcher.setInterval(1);
    connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QProgressDialog *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            shown = true;
            shownLabel = dialog->labelText();
            dialog->cancel();
        }
    });
    watcher.start();

    RecordingRescuer rescuer;
    rescuer.setDialogDelay(0);
    const int repairedCount = rescuer.rescue(folder->path());
    watcher.stop();
    QVERIFY(shown);
    QVERIFY2(shownLabel.contains(QFileInfo(first).fileName()), qPrintable(shownLabel));

    // The first file may have been finished before the cancel was seen; the second never starts.
    QVERIFY(repairedCount <= 1);
    if (repairedCount == 0)
        QCOMPARE(fingerprint(first), before);
    else
        QVERIFY(readFrames(first).allDecode());
    QCOMPARE(fingerprint(second), before);
    QCOMPARE(AviFileCheck::inspect(second), AviFileCheck::State::MissingIndex);
    QVERIFY(hiddenFiles(folder->path()).isEmpty());
}

// A named pipe under a recording's name, directly or through a link, would hold the start-up check
// for ever in its open: it is no recording, and the start goes on at once.
void RepairTest::pipesNamedLikeRecordingsDoNotStopTheStart()
{
    const QString pipe = path(QStringLiteral("2024-05-01_12-00-09.avi"));
    const QString link = path(QStringLiteral("2024-05-01_12-00-10.avi"));
    QVERIFY(blockingfiles::makePipe(pipe));
    QVERIFY(QFile::link(pipe, link));

    blockingfiles::Watchdog watchdog({pipe});
    QCOMPARE(AviFileCheck::inspect(pipe), AviFileCheck::State::NotAvi);
    QCOMPARE(AviFileCheck::inspect(link), AviFileCheck::State::NotAvi);
    QCOMPARE(RecordingRescuer::cutOffRecordings(folder->path()), QStringList());
    RecordingRescuer rescuer;
    QCOMPARE(rescuer.rescue(folder->path()), 0);
    QVERIFY2(!watchdog.stop(), "the check waited on a pipe");
}

QTEST_MAIN(RepairTest)
#include "tst_repair.moc"
