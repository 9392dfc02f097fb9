#include "Config.h"
#include "media/RecordingFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Each case runs against a home folder of its own, so the user's real settings are never touched
// and every case starts from a fresh profile.
class ConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshProfileHasDefaultsAndFolders();
    void settersSurviveANewRun();
    void missingDocumentsFolderIsMade();
    void changedSnapshotPathStillMakesDefaultFolder();
    void textValueConvertsToNumber();
    void largeIntervalKeepsUnsignedValue();
    void damagedValuesFallBackToZeroOrInvalid();
    void concurrentFirstUseGivesOneInstance();
    void recordingFormatSurvivesARunAndUnknownIsAvi();

private:
    QString documents() const { return home->path() + QStringLiteral("/Documents"); }
    QString storeFile() const
    {
        return home->path() + QStringLiteral("/.config/Morvane/Document Camera.conf");
    }

    QScopedPointer<QTemporaryDir> home;
};

void ConfigTest::init()
{
    home.reset(new QTemporaryDir);
    QVERIFY(home->isValid());
    QDir(home->path()).mkpath(QStringLiteral("Documents"));
    qputenv("HOME", home->path().toLocal8Bit());
    // Qt reads the config folder once per process; point the user store at this case's home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       home->path() + QStringLiteral("/.config"));
    Config::reload();
}

void ConfigTest::cleanup()
{
    Config::reload();
}

void ConfigTest::freshProfileHasDefaultsAndFolders()
{
    QCOMPARE(Config::snapshotMode(), int(SingleShot));
    QCOMPARE(Config::snapshotInterval(), quint64(0));
    QCOMPARE(Config::resolution(), QSize(1280, 720));
    QCOMPARE(Config::recordingResolution(), QSize(1280, 720));
    QCOMPARE(Config::language(), QStringLiteral("en"));
    QVERIFY(Config::camera().isEmpty());
    QCOMPARE(Config::snapshotPath(), documents() + QStringLiteral("/Document Camera/images"));
    QCOMPARE(Config::recordPath(), documents() + QStringLiteral("/Document Camera/videos"));
    QVERIFY(QDir(Config::snapshotPath()).exists());
    QVERIFY(QDir(Config::recordPath()).exists());
}

void ConfigTest::settersSurviveANewRun()
{
    Config::setSnapshotMode(Continuous);
    Config::setSnapshotInterval(30);
    Config::setSnapshotPath(QStringLiteral("/tmp/shots"));
    Config::setRecordPath(QStringLiteral("/tmp/films"));
    Config::setResolution(QSize(1920, 1080));
    QCOMPARE(Config::resolution(), QSize(1920, 1080));
    Config::setCamera(QStringLiteral("usb:046d:081b:serial:A1"));

    Config::reload();
    QCOMPARE(Config::snapshotMode(), int(Continuous));
    QCOMPARE(Config::snapshotInterval(), quint64(30));
    QCOMPARE(Config::snapshotPath(), QStringLiteral("/tmp/shots"));
    QCOMPARE(Config::recordPath(), QStringLiteral("/tmp/films"));
    QCOMPARE(Config::resolution(), QSize(1920, 1080));
    QCOMPARE(Config::camera(), QStringLiteral("usb:046d:081b:serial:A1"));
    QVERIFY(QFile::exists(storeFile()));
}

void ConfigTest::missingDocumentsFolderIsMade()
{
    QDir(documents()).removeRecursively();
    QVERIFY(QDir(Config::snapshotPath()).exists());
    QVERIFY(QDir(Config::recordPath()).exists());
}

void ConfigTest::changedSnapshotPathStillMakesDefaultFolder()
{
    Config::setSnapshotPath(QStringLiteral("X"));
    Config::reload();
    QDir(documents() + QStringLiteral("/Document Camera")).removeRecursively();

    QCOMPARE(Config::snapshotPath(), QStringLiteral("X"));
    QVERIFY(QDir(documents() + QStringLiteral("/Document Camera/images")).exists());
}

void ConfigTest::textValueConvertsToNumber()
{
    {
        QSettings store(storeFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("snapshotMode"), QStringLiteral("1"));
        store.setValue(QStringLiteral("language"), QStringLiteral("fr"));
    }
    QCOMPARE(Config::snapshotMode(), 1);
    QCOMPARE(Config::language(), QStringLiteral("fr"));
}

void ConfigTest::largeIntervalKeepsUnsignedValue()
{
    Config::setSnapshotInterval(3600);
    Config::reload();
    QCOMPARE(Config::snapshotInterval(), quint64(3600));

    const quint64 huge = Q_UINT64_C(18446744073709551615);
    Config::setSnapshotInterval(huge);
    Config::reload();
    QCOMPARE(Config::snapshotInterval(), huge);
}

void ConfigTest::damagedValuesFallBackToZeroOrInvalid()
{
    {
        QSettings store(storeFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("snapshotMode"), QStringLiteral("often"));
        store.setValue(QStringLiteral("snapshotInterval"), QStringLiteral("-5"));
        store.setValue(QStringLiteral("resolution2"), QStringLiteral("big"));
    }
    QCOMPARE(Config::snapshotMode(), 0);
    QCOMPARE(Config::snapshotInterval(), quint64(0));
    QVERIFY(!Config::resolution().isValid());
}

void ConfigTest::concurrentFirstUseGivesOneInstance()
{
    Config::reload();
    Config *seen[4] = {};
    QVector<QThread *> threads;
    for (Config *&slot : seen)
        threads << QThread::create([&slot] { slot = Config::instance(); });
    for (QThread *thread : threads)
        thread->start();
    for (QThread *thread : threads) {
        thread->wait();
        delete thread;
    }
    for (Config *instance : seen)
        QCOMPARE(instance, Config::instance());
}

void ConfigTest::recordingFormatSurvivesARunAndUnknownIsAvi()
{
    QCOMPARE(Config::recordingFormat(), QStringLiteral("avi"));
    Config::setRecordingFormat(QStringLiteral("mp4"));
    Config::reload();
    QCOMPARE(Config::recordingFormat(), QStringLiteral("mp4"));
    QCOMPARE(RecordingFormat::fromKey(Config::recordingFormat()).kind(), RecordingFormat::Mp4);
    QCOMPARE(RecordingFormat::fromKey(Config::recordingFormat()).fileSuffix(), QStringLiteral(".mp4"));

    {
        QSettings store(storeFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("recordingFormat"), QStringLiteral("MP4"));
    }
    Config::reload();
    QCOMPARE(RecordingFormat::fromKey(Config::recordingFormat()).kind(), RecordingFormat::Avi);
    QCOMPARE(RecordingFormat::fromKey(QString()).fileSuffix(), QStringLiteral(".avi"));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
    ConfigTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_config.moc"
