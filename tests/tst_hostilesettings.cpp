// Settings files as a crash, a full disk or a hand edit leave them: damaged files, values of the
// wrong type, negative and huge sizes and intervals, empty and missing folders. The store must
// read them without harm, the main window must start on them, and a command that needs a folder
// the settings do not give must say so.
#include "CanvasConstants.h"
#include "Config.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "LiveSource.h"
#include "MainWindow.h"
#include "SettingsToolWindow.h"
#include "tst_memory.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testmemory::peakMemoryMiB;

// The main window with its dialogs answered by the test.
class TestedWindow : public MainWindow
{
public:
    QStringList errors;

protected:
    void showError(const QString &text) override { errors << text; }
    QString askOpenFileName(const QString &, const QString &) override { return QString(); }
};

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, 0);
    for (char &byte : bytes)
        byte = char(generator.generate() & 0xff);
    return bytes;
}

// A value as the store writes one of Qt's data stream, every byte escaped.
QByteArray variantText(const QByteArray &blob)
{
    QByteArray text = "@Variant(";
    for (char byte : blob)
        text += "\\x" + QByteArray::number(quint8(byte), 16);
    return text + ")";
}

const QString FolderMissing = QStringLiteral("Please select a folder first.");

} // namespace

class HostileSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void damagedFilesReadWithoutHarm_data();
    void damagedFilesReadWithoutHarm();
    void wrongTypesAndSizesStartTheWindow();
    void extremeSizesOpenTheSettings_data();
    void extremeSizesOpenTheSettings();
    void hugeIntervalArmsWithoutWriting();
    void unusableSnapshotFolderSaysSo_data();
    void unusableSnapshotFolderSaysSo();
    void documentsThatCannotBeMadeSaySo();

private:
    QString storeFile() const { return home->path() + QStringLiteral("/.config/Morvane/Document Camera.conf"); }
    void writeStore(const QByteArray &bytes) const;

    QScopedPointer<QTemporaryDir> home;
};

void HostileSettingsTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
}

// Every case has a home of its own; the store is read afresh, as at a new start.
void HostileSettingsTest::init()
{
    home.reset(new QTemporaryDir);
    QVERIFY(home->isValid());
    QVERIFY(QDir(home->path()).mkpath(QStringLiteral(".config/Morvane")));
    QVERIFY(QDir(home->path()).mkpath(QStringLiteral("Documents")));
    qputenv("HOME", home->path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home->path() + QStringLiteral("/.config"));
    Config::reload();
}

void HostileSettingsTest::cleanup()
{
    Config::reload();
}

void HostileSettingsTest::writeStore(const QByteArray &bytes) const
{
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

void HostileSettingsTest::damagedFilesReadWithoutHarm_data()
{
    QTest::addColumn<QByteArray>("store");
    const QByteArray good = "[General]\nsnapshotMode=1\nsnapshotInterval=30\nresolution2=@Size(1920 1080)\n"
                            "snapshotPath=/tmp\nlanguage=fr\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut in a value") << good.left(good.indexOf("@Size(") + 9);
    QTest::newRow("cut in a section name") << QByteArray("[Gene");
    QTest::newRow("random bytes") << randomBytes(4096, 11);
    QTest::newRow("zero bytes") << QByteArray(4096, '\0');
    QByteArray flipped = good;
    for (int i = 0; i < flipped.size(); i += 7)
        flipped[i] = char(flipped.at(i) ^ (1 << (i % 8)));
    QTest::newRow("bits flipped") << flipped;
    QTest::newRow("one long line") << QByteArray("[General]\nlanguage=") + QByteArray(4 << 20, 'x');
    QTest::newRow("many keys") << QByteArray("[General]\n") + QByteArray("k=v\n").repeated(200000);
    // Values Qt reads back through its data stream: a variant of garbage, and one claiming a
    // huge byte array.
    QTest::newRow("variant of garbage") << QByteArray("[General]\nresolution2=") + variantText(randomBytes(64, 5)) + "\n";
    QByteArray hugeArray;
    {
        // A byte array variant (type 12, not null) that claims almost 2 GiB and holds 3 bytes.
        QDataStream stream(&hugeArray, QIODevice::WriteOnly);
        stream << quint32(12) << quint8(0) << quint32(0x7ffffff0u);
        hugeArray += "abc";
    }
    QTest::newRow("variant claiming a huge array") << QByteArray("[General]\nresolution2=") + variantText(hugeArray) + "\n";
    QTest::newRow("size claims")
        << QByteArray("[General]\nresolution2=@Size(2147483647 2147483647)\nrecordingResolution2=@Size(-1 -99999)\n");
}

// Whatever the file holds, every value reads back, the default folders are made and a value set
// afterwards survives into the next run.
void HostileSettingsTest::damagedFilesReadWithoutHarm()
{
    QFETCH(QByteArray, store);
    writeStore(store);
    const long before = peakMemoryMiB();

    Config::reload();
    Config::snapshotMode();
    Config::snapshotInterval();
    Config::recordPath();
    Config::resolution();
    Config::recordingResolution();
    Config::language();
    QVERIFY(QDir(home->path() + QStringLiteral("/Documents/Document Camera/images")).exists());
    QVERIFY(QDir(home->path() + QStringLiteral("/Documents/Document Camera/videos")).exists());
    QVERIFY2(peakMemoryMiB() - before < 256, "reading the settings took too much memory");

    Config::setSnapshotPath(QStringLiteral("/srv/pictures"));
    Config::reload();
    QCOMPARE(Config::snapshotPath(), QStringLiteral("/srv/pictures"));
}

// Every value at once of a wrong type or out of range: the window starts, the camera asks for a
// size it could have, and the commands that read the values act sensibly.
void HostileSettingsTest::wrongTypesAndSizesStartTheWindow()
{
    writeStore("[General]\nsnapshotMode=-7\nsnapshotInterval=-5\nresolution2=@Size(100000 100000)\n"
               "recordingResolution2=wide\nlanguage=@Size(1 2)\nrecordPath=\nsnapshotPath=\n");
    Config::reload();
    QCOMPARE(Config::snapshotMode(), -7);
    QCOMPARE(Config::snapshotInterval(), quint64(0));

    TestedWindow window;
    const QSize largest = window.resolutions.last();
    QCOMPARE(window.liveSource->resolution(), largest);

    // An unknown mode is the single shot; an empty folder is no folder.
    QTest::mouseClick(window.snapshotButton, Qt::LeftButton);
    QVERIFY(!window.snapshotButton->isCheckable());
    QCOMPARE(window.errors, QStringList{FolderMissing});
    QVERIFY(!window.currentCanvas->isSnapshotArmed());

    // Negative sizes leave the choice to the camera.
    writeStore("[General]\nresolution2=@Size(-640 -480)\n");
    Config::reload();
    TestedWindow second;
    QVERIFY(second.liveSource->resolution().isEmpty());
}

void HostileSettingsTest::extremeSizesOpenTheSettings_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("largest") << QByteArray("2147483647 2147483647") << "2592 x 1944";
    QTest::newRow("smallest") << QByteArray("-2147483648 -2147483648") << "1024 x 768";
    QTest::newRow("mixed") << QByteArray("-2147483648 2147483647") << "1024 x 768";
}

// The settings window opens on the listed size nearest to any size the store can hold.
void HostileSettingsTest::extremeSizesOpenTheSettings()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    writeStore("[General]\nresolution2=@Size(" + stored + ")\n");
    Config::reload();

    TestedWindow window;
    SettingsToolWindow settings(window.settingsButton, &window);
    QCOMPARE(settings.resolutionBox->currentText(), shown);
}

// The largest interval the store can hold: the run is armed and takes its first picture only
// when that interval has passed, which is never in practice; frames pass on unharmed.
void HostileSettingsTest::hugeIntervalArmsWithoutWriting()
{
    const QString folder = home->path() + QStringLiteral("/shots");
    QVERIFY(QDir().mkpath(folder));
    writeStore(QByteArray("[General]\nsnapshotMode=1\nsnapshotInterval=18446744073709551615\nsnapshotPath=")
               + folder.toUtf8() + "\n");
    Config::reload();

    TestedWindow window;
    // Not in Live mode: without a camera nothing would be armed there.
    QTest::mouseClick(window.drawingBoardButton, Qt::LeftButton);
    QTest::mouseClick(window.snapshotButton, Qt::LeftButton);
    QVERIFY(window.snapshotButton->isChecked());
    QVERIFY(window.currentCanvas->isSnapshotArmed());
    QImage frame(64, 48, QImage::Format_RGB888);
    frame.fill(Qt::red);
    for (int i = 0; i < 5; ++i)
        window.currentCanvas->processImage(frame);
    QCoreApplication::processEvents();
    QVERIFY(window.errors.isEmpty());
    QVERIFY(window.currentCanvas->isSnapshotArmed());
    QCOMPARE(window.currentCanvas->currentImage().size(), frame.size());
}

void HostileSettingsTest::unusableSnapshotFolderSaysSo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("empty") << "empty";
    QTest::newRow("missing") << "missing";
    QTest::newRow("a file") << "file";
    QTest::newRow("removed after the start") << "removed";
}

void HostileSettingsTest::unusableSnapshotFolderSaysSo()
{
    QFETCH(QString, kind);
    QString path;
    if (kind == QLatin1String("missing")) {
        path = home->path() + QStringLiteral("/nowhere/shots");
    } else if (kind == QLatin1String("file")) {
        path = home->path() + QStringLiteral("/shots.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == QLatin1String("removed")) {
        path = home->path() + QStringLiteral("/shots");
        QVERIFY(QDir().mkpath(path));
    }
    writeStore(QByteArray("[General]\nsnapshotPath=") + path.toUtf8() + "\n");
    Config::reload();

    TestedWindow window;
    if (kind == QLatin1String("removed"))
        QVERIFY(QDir(path).removeRecursively());
    QTest::mouseClick(window.snapshotButton, Qt::LeftButton);
    QCOMPARE(window.errors, QStringList{FolderMissing});
    QVERIFY(!window.currentCanvas->isSnapshotArmed());
    // The working folder in particular gets nothing.
    QVERIFY(QDir::current().entryList({QStringLiteral("*.jpg")}).isEmpty());
}

// The documents folder cannot be made (a file of that name is in the way): the default folders do
// not exist, and the snapshot command says so instead of doing nothing.
void HostileSettingsTest::documentsThatCannotBeMadeSaySo()
{
    QVERIFY(QDir(home->path() + QStringLiteral("/Documents")).removeRecursively());
    QFile blocker(home->path() + QStringLiteral("/Documents"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Config::reload();
    QVERIFY(!QFileInfo(Config::snapshotPath()).isDir());
    QVERIFY(!QFileInfo(Config::recordPath()).isDir());

    TestedWindow window;
    QTest::mouseClick(window.snapshotButton, Qt::LeftButton);
    QCOMPARE(window.errors, QStringList{FolderMissing});
}

QTEST_MAIN(HostileSettingsTest)
#include "tst_hostilesettings.moc"
