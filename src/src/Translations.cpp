#include "Translations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QTranslator>

const QVector<Translations::Language> &Translations::available()
{
    static const QVector<Language> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("zh-tw"), QStringLiteral("繁體中文")},
    };
    return languages;
}

QString Translations::qtLocaleName(const QString &code)
{
    const int dash = code.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return code;
    return code.left(dash) + QLatin1Char('_') + code.mid(dash + 1).toUpper();
}

QList<QTranslator *> Translations::install(const QString &code, const QString &programFolder)
{
    QList<QTranslator *> installed;
    if (code == QLatin1String("en"))
        return installed;
    const auto load = [&installed](const QString &file) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(file)) {
            QCoreApplication::installTranslator(translator);
            installed << translator;
            return;
        }
        qDebug() << "No translation in" << file;
        delete translator;
    };
    load(programFolder + QStringLiteral("/VISLO_") + code + QStringLiteral(".qm"));
    load(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_")
         + qtLocaleName(code) + QStringLiteral(".qm"));
    return installed;
}
