#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Every text the program shows must be translated in every language it ships. The check runs
// lupdate over the sources into copies of the translation files, so a text added to the code
// without a translation, or a translation whose text left the code, fails here.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();

private:
    QTemporaryDir copies;
};

static const QStringList languages = {"de", "es", "fr", "ja", "ru", "zh-tw"};

void TranslationsTest::initTestCase()
{
    QVERIFY(copies.isValid());
    QStringList tsFiles;
    for (const QString &code : languages) {
        const QString name = QStringLiteral("VISLO_%1.ts").arg(code);
        QVERIFY(QFile::copy(QStringLiteral(TEST_SOURCE_DIR "/translations/") + name,
                            copies.filePath(name)));
        tsFiles << copies.filePath(name);
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE),
                  QStringList{"-locations", "none", QStringLiteral(TEST_SOURCE_DIR "/src/src"), "-ts"}
                      + tsFiles);
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
}

void TranslationsTest::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : languages)
        QTest::newRow(qPrintable(code)) << code;
}

void TranslationsTest::everyTextIsTranslated()
{
    QFETCH(QString, code);
    QFile file(copies.filePath(QStringLiteral("VISLO_%1.ts").arg(code)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());

    QStringList problems;
    const QRegularExpression message(
        QStringLiteral("<message>\\s*<source>(.*?)</source>\\s*<translation( type=\"(\\w+)\")?>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    for (auto match = message.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        ++count;
        const QString type = found.captured(3);
        if (!type.isEmpty())
            problems << QStringLiteral("%1: %2").arg(type, found.captured(1));
        else if (found.captured(4).trimmed().isEmpty())
            problems << QStringLiteral("empty: %1").arg(found.captured(1));
    }
    QVERIFY(count > 0);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
