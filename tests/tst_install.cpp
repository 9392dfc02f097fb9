#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
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
    void packagePassesLintian();

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
        "lib/document-camera/document-camera", "lib/document-camera/document-camera-film-probe",
        "lib/document-camera/VISLO_de.qm", "lib/document-camera/VISLO_es.qm",
        "lib/document-camera/VISLO_fr.qm", "lib/document-camera/VISLO_ja.qm",
        "lib/document-camera/VISLO_ru.qm", "lib/document-camera/VISLO_zh-tw.qm",
        "share/applications/org.morvane.DocumentCamera.desktop",
        "share/metainfo/org.morvane.DocumentCamera.metainfo.xml",
        "share/icons/hicolor/scalable/apps/document-camera.svg",
        "share/icons/hicolor/48x48/apps/document-camera.png",
        "share/icons/hicolor/256x256/apps/document-camera.png",
        "share/man/man1/document-camera.1.gz",
        "share/doc/document-camera/copyright",
        "share/doc/document-camera/changelog.gz",
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
    const auto endProgram = qScopeGuard([&] {
        program.kill();
        program.waitForFinished();
    });

    // The X server is asked for its windows until the program's main window is among them.
    QString windows;
    const auto shown = [&] {
        run("xwininfo", {"-root", "-tree"}, &windows);
        return windows.contains(QStringLiteral("Visualiseur"));
    };
    QVERIFY2(QTest::qWaitFor(shown, 10000), qPrintable(windows.left(2000)));
}

void InstallTest::packagePassesLintian()
{
    if (QStandardPaths::findExecutable("lintian").isEmpty() || QStandardPaths::findExecutable("cpack").isEmpty())
        QSKIP("lintian or cpack is not installed (scripts/setup installs them)");

    // The package as cpack makes it, but from a stripped installation of our own: cpack on the
    // build tree would first bring every target of it up to date.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString root = work.filePath("root");
    QVERIFY(run("cmake", {"--install", TEST_BINARY_DIR, "--prefix", root, "--strip"}));
    const QString config = work.filePath("package.cmake");
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write(QStringLiteral("include(\"%1/CPackConfig.cmake\")\n"
                              "set(CPACK_INSTALL_CMAKE_PROJECTS \"\")\n"
                              "set(CPACK_INSTALLED_DIRECTORIES \"%2;usr\")\n"
                              "set(CPACK_PACKAGE_DIRECTORY \"%3\")\n")
                   .arg(TEST_BINARY_DIR, root, work.filePath("out"))
                   .toUtf8());
    file.close();
    QVERIFY(run("cpack", {"--config", config}));
    const QStringList packages = QDir(work.filePath("out")).entryList({"*.deb"}, QDir::Files);
    QCOMPARE(packages.size(), 1);

    QString report;
    QVERIFY(run("lintian", {"--fail-on", "none", QDir(work.filePath("out")).filePath(packages.first())},
                &report));
    QStringList findings;
    for (const QString &line : report.split('\n')) {
        if (line.startsWith("E:") || line.startsWith("W:"))
            findings << line;
    }
    QVERIFY2(findings.isEmpty(), qPrintable(findings.join('\n')));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
