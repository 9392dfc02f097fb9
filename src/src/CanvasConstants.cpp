#include "CanvasConstants.h"

namespace {

const char *const EffectNameTexts[] = {
    //: Colour effect: the picture in its own colours (an adjective, as opposed to black and white).
    QT_TRANSLATE_NOOP("CanvasConstants", "Color"),
    //: Colour effect: black and white; keep it short and without an ampersand next to a letter.
    QT_TRANSLATE_NOOP("CanvasConstants", "B & W"),
    //: Colour effect: inverted colours, as a photographic negative.
    QT_TRANSLATE_NOOP("CanvasConstants", "Negative"),
    //: Colour effect: the picture in coarse squares.
    QT_TRANSLATE_NOOP("CanvasConstants", "Mosaic"),
};

QString entryOrFirst(const QStringList &list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : list.first();
}

QList<QColor> colorsOf(const QStringList &names)
{
    QList<QColor> colors;
    for (const QString &name : names) {
        const QColor color = CanvasConstants::namedColor(name);
        if (color.isValid())
            colors.append(color);
    }
    return colors;
}

} // namespace

const QStringList &CanvasConstants::effectKeys()
{
    static const QStringList keys{QStringLiteral("COLOR"), QStringLiteral("BW"),
                                  QStringLiteral("NEGATIVE"), QStringLiteral("MOSAIC")};
    return keys;
}

const QStringList &CanvasConstants::effectNames()
{
    static const QStringList names{QLatin1String(EffectNameTexts[0]), QLatin1String(EffectNameTexts[1]),
                                   QLatin1String(EffectNameTexts[2]), QLatin1String(EffectNameTexts[3])};
    return names;
}

QString CanvasConstants::effectKey(int effect)
{
    return entryOrFirst(effectKeys(), effect);
}

QString CanvasConstants::effectName(int effect)
{
    return entryOrFirst(effectNames(), effect);
}

QString CanvasConstants::translatedEffectName(int effect)
{
    const bool known = effect >= 0 && effect < effectNames().size();
    return tr(EffectNameTexts[known ? effect : 0]);
}

const QStringList &CanvasConstants::maskKeys()
{
    static const QStringList keys{QString(), QStringLiteral("CIRCLE"), QStringLiteral("RECTANGLE"),
                                  QStringLiteral("LEFT"), QStringLiteral("TOP")};
    return keys;
}

QString CanvasConstants::maskKey(int mask)
{
    return entryOrFirst(maskKeys(), mask);
}

QColor CanvasConstants::namedColor(const QString &name)
{
    if (name == QLatin1String("BLACK"))
        return QColor::fromRgba(0xFF000000);
    if (name == QLatin1String("RED"))
        return QColor::fromRgba(0xFFFF0000);
    if (name == QLatin1String("YELLOW"))
        return QColor::fromRgba(0xFFFFFF00);
    if (name == QLatin1String("SKY"))
        return QColor::fromRgba(0xFF0000FF);
    if (name == QLatin1String("WHITE"))
        return QColor::fromRgba(0xFFFFFFFF);
    return QColor();
}

const QStringList &CanvasConstants::lineColorNames()
{
    static const QStringList names{QStringLiteral("BLACK"), QStringLiteral("RED"),
                                   QStringLiteral("YELLOW"), QStringLiteral("SKY"),
                                   QStringLiteral("NONE")};
    return names;
}

const QList<QColor> &CanvasConstants::lineColors()
{
    static const QList<QColor> colors = colorsOf(lineColorNames());
    return colors;
}

const QStringList &CanvasConstants::textColorNames()
{
    return lineColorNames();
}

const QList<QColor> &CanvasConstants::textColors()
{
    return lineColors();
}

const QStringList &CanvasConstants::backgroundColorNames()
{
    static const QStringList names{QStringLiteral("WHITE"), QStringLiteral("BLACK"),
                                   QStringLiteral("YELLOW"), QStringLiteral("SKY"),
                                   QStringLiteral("NONE")};
    return names;
}

const QList<QColor> &CanvasConstants::backgroundColors()
{
    static const QList<QColor> colors = colorsOf(backgroundColorNames());
    return colors;
}
