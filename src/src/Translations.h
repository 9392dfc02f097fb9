#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

#include <QList>
#include <QString>
#include <QVector>

class QTranslator;

// The languages the program speaks, and the loading of a language's catalogues: the program's own
// (VISLO_<code>.qm beside the program) and Qt's (qtbase_<locale>.qm from Qt's translations
// folder, for the standard buttons and the file dialogs).
class Translations
{
public:
    struct Language
    {
        QString code;   // as stored under "language": "en", "de", ..., "zh-tw"
        QString name;   // the language's name in itself
    };

    static const QVector<Language> &available();

    // Qt's name of the language's catalogue: "zh-tw" -> "zh_TW".
    static QString qtLocaleName(const QString &code);

    // Installs both catalogues of the language into the application; English needs none. A missing
    // or unreadable catalogue leaves its texts in English. Returns the translators installed, which
    // the application owns.
    static QList<QTranslator *> install(const QString &code, const QString &programFolder);
};

#endif
