#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Installs the built program into a temporary prefix and starts it from there, as a user would
// after installing the package.
class InstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsEveryPiece();
    void desktopFilesValidate();
    void installedProgramSpeaksFrench();

private:
    static bool run(const QString &program, const QStringList &arguments, QString *output = nullptr);

    QTemporaryDir prefix;
};

bool InstallTest::run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return false;
    const QString text = QString::fromUtf8(process.readAll());
    if (output)
        *output = text;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(' ') << "failed:\n" << text;
        return false;
    }
    return true;
}

void InstallTest::initTestCase()
{
    QVERIFY(prefix.isValid());
    QVERIFY(run(QStringLiteral("cmake"),
                {"--install", TEST_BINARY_DIR, "--prefix", prefix.path()}));
}

void InstallTest::installsEveryPiece()
{
    const QDir root(prefix.path());
    const QStringList expected = {
        "bin/document-camera",
        "lib/document-camera/document-camera",
        "lib/document-camera/VISLO_de.qm", "lib/document-camera/VISLO_es.qm",
        "lib/document-camera/VISLO_fr.qm", "lib/document-camera/VISLO_ja.qm",
        "lib/document-camera/VISLO_ru.qm", "lib/document-camera/VISLO_zh-tw.qm",
        "share/applications/org.morvane.DocumentCamera.desktop",
        "share/metainfo/org.morvane.DocumentCamera.metainfo.xml",
        "share/icons/hicolor/scalable/apps/document-camera.svg",
        "share/icons/hicolor/48x48/apps/document-camera.png",
        "share/icons/hicolor/256x256/apps/document-camera.png",
    };
    for (const QString &path : expected)
        QVERIFY2(QFileInfo::exists(root.filePath(path)), qPrintable(path));
    QVERIFY(QFileInfo(root.filePath("bin/document-camera")).isExecutable());
    QCOMPARE(QImage(root.filePath("share/icons/hicolor/48x48/apps/document-camera.png")).size(),
             QSize(48, 48));
}

void InstallTest::desktopFilesValidate()
{
    const QDir root(prefix.path());
    if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty()
        || QStandardPaths::findExecutable("appstreamcli").isEmpty())
        QSKIP("desktop-file-validate or appstreamcli is not installed (scripts/setup installs them)");
    QVERIFY(run("desktop-file-validate",
                {root.filePath("share/applications/org.morvane.DocumentCamera.desktop")}));
    QVERIFY(run("appstreamcli",
                {"validate", "--no-net",
                 root.filePath("share/metainfo/org.morvane.DocumentCamera.metainfo.xml")}));
}

void InstallTest::installedProgramSpeaksFrench()
{
    // The window title is read from the X server, so this needs the suite's virtual display.
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable("xwininfo").isEmpty())
        QSKIP("needs an X server and xwininfo (scripts/test runs the suite under Xvfb)");

    QTemporaryDir home;
    {
        QSettings store(home.path() + "/.config/Morvane/Document Camera.conf", QSettings::IniFormat);
        store.setValue("language", "fr");
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    environment.insert("QT_QPA_PLATFORM", "xcb");

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QDir(prefix.path()).filePath("bin/document-camera"), QStringList());
    QVERIFY(program.waitForStarted());

    bool shown = false;
    QString windows;
    for (int attempt = 0; attempt < 100 && !shown; ++attempt) {
        QTest::qWait(100);
        run("xwininfo", {"-root", "-tree"}, &windows);
        shown = windows.contains(QStringLiteral("Caméra de documents"));
    }
    program.kill();
    program.waitForFinished();
    QVERIFY2(shown, qPrintable(windows.left(2000)));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
