#include "Translations.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// Every text the program shows must be translated in every language it ships, and the translator
// must be able to see where a text sits. The check runs lupdate over the sources into copies of
// the translation files, so a text added to the code without a translation, or a translation
// whose text left the code, fails here.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslatedAndLocated_data();
    void everyTextIsTranslatedAndLocated();
    void qtsOwnTextsFollowTheLanguage();

private:
    QTemporaryDir copies;
};

namespace {

const QStringList languages = {"de", "es", "fr", "ja", "ru", "zh-tw"};

// Labels, titles, buttons and tool tips: a text this short says too little on its own, so the
// code tells the translator where it sits and how much room it has.
bool isShortText(const QString &source)
{
    return source.size() <= 24 && !source.endsWith(QLatin1Char('.'));
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
    bool located = false;
    bool commented = false;
};

QVector<Message> readMessages(QIODevice *file)
{
    QVector<Message> messages;
    QXmlStreamReader xml(file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}, false, false});
        } else if (!messages.isEmpty()) {
            Message &message = messages.last();
            if (xml.name() == QLatin1String("location")) {
                message.located = true;
            } else if (xml.name() == QLatin1String("extracomment")) {
                message.commented = !xml.readElementText().trimmed().isEmpty();
            } else if (xml.name() == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                message.translation = xml.readElementText();
            }
        }
    }
    return messages;
}

} // namespace

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
    lupdate.setWorkingDirectory(QStringLiteral(TEST_SOURCE_DIR));
    lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE),
                  QStringList{"-locations", "relative", QStringLiteral(TEST_SOURCE_DIR "/src/src"), "-ts"}
                      + tsFiles);
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
}

void TranslationsTest::everyTextIsTranslatedAndLocated_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : languages)
        QTest::newRow(qPrintable(code)) << code;
}

void TranslationsTest::everyTextIsTranslatedAndLocated()
{
    QFETCH(QString, code);
    QFile file(copies.filePath(QStringLiteral("VISLO_%1.ts").arg(code)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QVector<Message> messages = readMessages(&file);
    QVERIFY(!messages.isEmpty());

    // Locations as the committed file carries them, for the next translator.
    QFile committed(QStringLiteral(TEST_SOURCE_DIR "/translations/VISLO_%1.ts").arg(code));
    QVERIFY(committed.open(QIODevice::ReadOnly));
    QSet<QString> located;
    for (const Message &message : readMessages(&committed)) {
        if (message.located)
            located.insert(message.context + QLatin1Char('\n') + message.source);
    }

    QStringList problems;
    for (const Message &message : messages) {
        const QString name = message.context + QStringLiteral(" \"") + message.source + QLatin1Char('"');
        if (!message.type.isEmpty())
            problems << message.type + QStringLiteral(": ") + name;
        else if (message.translation.trimmed().isEmpty())
            problems << QStringLiteral("empty: ") + name;
        if (!located.contains(message.context + QLatin1Char('\n') + message.source))
            problems << QStringLiteral("no location: ") + name;
        if (isShortText(message.source) && !message.commented)
            problems << QStringLiteral("no translator comment: ") + name;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

// Qt's own catalogue comes with the program's: the standard buttons speak the chosen language.
void TranslationsTest::qtsOwnTextsFollowTheLanguage()
{
    QCOMPARE(Translations::qtLocaleName(QStringLiteral("zh-tw")), QStringLiteral("zh_TW"));
    Translations::install(QStringLiteral("fr"), QStringLiteral(TEST_BINARY_DIR));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Annuler"));
    QCOMPARE(QCoreApplication::translate("SettingsToolWindow", "Browse"), QStringLiteral("Parcourir"));
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
