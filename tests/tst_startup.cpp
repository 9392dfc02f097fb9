// The entry point's own source is compiled in here under another name, so its dump, translation
// loading and centring are checked exactly as the program runs them.
#define main documentCameraMain
#include "../src/src/main.cpp"
#undef main

#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void dumpWritesItsLinesInOrder();
    void frenchComesFromTheFileBesideTheProgram();
    void englishWhenTheFileIsMissing();
    void englishLoadsNothing();
    void centringMayGoNegative();
};

namespace {
QStringList captured;
void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured << message;
}
} // namespace

void StartupTest::dumpWritesItsLinesInOrder()
{
    captured.clear();
    QtMessageHandler previous = qInstallMessageHandler(capture);
    DumpConfig();
    qInstallMessageHandler(previous);

    const QStringList expected = {
        "APP_VERSION", "\t 20161021-1", "DSP", "\t TYPE_GENERIC", "FUNCTION_OPTION",
        "\t USE_UVC", "\t ONE_RESOLUTION_SET", "LANGUAGE_INTERFACE", "\t MULTI_LANG",
        "MODEL_NAME", "DEVICE_NAME", "\t DC-1", "PLATFORM", "\t LINUX", "\t Q_OS_LINUX", "\n",
    };
    QCOMPARE(captured, expected);
}

namespace {
void uninstall(const QList<QTranslator *> &translators)
{
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
} // namespace

void StartupTest::frenchComesFromTheFileBesideTheProgram()
{
    const QList<QTranslator *> installed =
        Translations::install(QStringLiteral("fr"), QStringLiteral(TEST_BINARY_DIR));
    QCOMPARE(installed.size(), 2);
    QCOMPARE(QCoreApplication::translate("MainWindow", "Document Camera"), QStringLiteral("Visualiseur"));
    uninstall(installed);
}

void StartupTest::englishWhenTheFileIsMissing()
{
    QTemporaryDir empty;
    const QList<QTranslator *> installed = Translations::install(QStringLiteral("fr"), empty.path());
    QCOMPARE(QCoreApplication::translate("MainWindow", "Document Camera"),
             QStringLiteral("Document Camera"));
    uninstall(installed);
}

void StartupTest::englishLoadsNothing()
{
    // Even with every translation beside it, English never loads a file.
    QVERIFY(Translations::install(QStringLiteral("en"), QStringLiteral(TEST_BINARY_DIR)).isEmpty());
}

void StartupTest::centringMayGoNegative()
{
    QCOMPARE(centredPosition(QSize(1920, 1080), QSize(1024, 768)), QPoint(448, 156));
    QCOMPARE(centredPosition(QSize(1366, 768), QSize(1367, 769)), QPoint(0, 0));
    QCOMPARE(centredPosition(QSize(800, 600), QSize(1024, 768)), QPoint(-112, -84));
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
