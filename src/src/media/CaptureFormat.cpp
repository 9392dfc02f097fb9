#include "CaptureFormat.h"

#include "GstRuntime.h"

#include <QStringList>
#include <QVector>

#include <gst/gst.h>

#include <algorithm>

namespace {

const int WantedRate = 25;
const int SmoothRate = 15; // slower than this a moving hand visibly jerks

const char *const RawVideo = "video/x-raw";
const char *const Jpeg = "image/jpeg";
const char *const H264 = "video/x-h264";

enum class Kind { Raw, Jpeg, H264 };

// The pixel format the picture is converted to on its way to the grabber.
const char *const GrabberFormat = "BGRx";

// 0/1 stands for "no rate listed", which sorts below every real rate.
struct Fraction
{
    int numerator = 0;
    int denominator = 1;
};

int compare(Fraction a, Fraction b)
{
    return gst_util_fraction_compare(a.numerator, a.denominator, b.numerator, b.denominator);
}

// A listed rate is a span with equal ends.
struct RateSpan
{
    Fraction lowest;
    Fraction highest;
};

// One usable format at one size, with every rate the camera lists for it there.
struct Offer
{
    Kind kind;
    QString mediaType;
    QString format;
    QSize size;
    QVector<RateSpan> rates;
};

struct RateChoice
{
    bool reachesWanted = false;
    Fraction rate;
};

Fraction fastest(const QVector<RateSpan> &rates)
{
    Fraction best;
    for (const RateSpan &span : rates) {
        if (compare(span.highest, best) > 0)
            best = span.highest;
    }
    return best;
}

// 25 frames per second, or the nearest rate above it; when nothing reaches 25, the fastest.
RateChoice bestRate(const QVector<RateSpan> &rates)
{
    const Fraction wanted{WantedRate, 1};
    RateChoice choice;
    for (const RateSpan &span : rates) {
        if (compare(span.highest, wanted) < 0)
            continue;
        const Fraction nearest = compare(span.lowest, wanted) > 0 ? span.lowest : wanted;
        if (!choice.reachesWanted || compare(nearest, choice.rate) < 0)
            choice = {true, nearest};
    }
    if (!choice.reachesWanted)
        choice.rate = fastest(rates);
    return choice;
}

bool isSmooth(const Offer &offer)
{
    return compare(fastest(offer.rates), Fraction{SmoothRate, 1}) >= 0;
}

// A stepwise range gives the wanted value, clamped to the range and down onto its step.
int clampedToRange(const GValue *range, int wanted)
{
    const int lowest = gst_value_get_int_range_min(range);
    const int highest = gst_value_get_int_range_max(range);
    const int step = qMax(1, gst_value_get_int_range_step(range));
    const int clamped = qBound(lowest, wanted, highest);
    return lowest + (clamped - lowest) / step * step;
}

QVector<int> sizeValues(const GValue *value, int wanted)
{
    if (!value)
        return {};
    if (G_VALUE_HOLDS_INT(value))
        return {g_value_get_int(value)};
    if (GST_VALUE_HOLDS_INT_RANGE(value))
        return {clampedToRange(value, wanted)};
    QVector<int> values;
    if (GST_VALUE_HOLDS_LIST(value)) {
        for (guint i = 0; i < gst_value_list_get_size(value); ++i)
            values += sizeValues(gst_value_list_get_value(value, i), wanted);
    }
    return values;
}

Fraction fractionOf(const GValue *value)
{
    return {gst_value_get_fraction_numerator(value), gst_value_get_fraction_denominator(value)};
}

void addRates(const GValue *value, QVector<RateSpan> &rates)
{
    if (!value)
        return;
    if (GST_VALUE_HOLDS_FRACTION(value)) {
        rates.append(RateSpan{fractionOf(value), fractionOf(value)});
    } else if (GST_VALUE_HOLDS_FRACTION_RANGE(value)) {
        rates.append(RateSpan{fractionOf(gst_value_get_fraction_range_min(value)),
                              fractionOf(gst_value_get_fraction_range_max(value))});
    } else if (GST_VALUE_HOLDS_LIST(value)) {
        for (guint i = 0; i < gst_value_list_get_size(value); ++i)
            addRates(gst_value_list_get_value(value, i), rates);
    }
}

QStringList formatValues(const GValue *value)
{
    if (!value)
        return {};
    if (G_VALUE_HOLDS_STRING(value))
        return {QString::fromUtf8(g_value_get_string(value))};
    QStringList formats;
    if (GST_VALUE_HOLDS_LIST(value)) {
        for (guint i = 0; i < gst_value_list_get_size(value); ++i)
            formats += formatValues(gst_value_list_get_value(value, i));
    }
    return formats;
}

GstCaps *videoconvertInputCaps()
{
    GstElementFactory *factory = gst_element_factory_find("videoconvert");
    if (!factory)
        return gst_caps_new_empty();
    GstCaps *caps = nullptr;
    for (const GList *item = gst_element_factory_get_static_pad_templates(factory); item && !caps;
         item = item->next) {
        auto *padTemplate = static_cast<GstStaticPadTemplate *>(item->data);
        if (padTemplate->direction == GST_PAD_SINK)
            caps = gst_static_pad_template_get_caps(padTemplate);
    }
    gst_object_unref(factory);
    return caps ? caps : gst_caps_new_empty();
}

bool isConvertible(const QString &format)
{
    static GstCaps *const accepted = videoconvertInputCaps();
    GstCaps *caps = gst_caps_new_simple(RawVideo, "format", G_TYPE_STRING, format.toUtf8().constData(),
                                        nullptr);
    const bool convertible = gst_caps_can_intersect(caps, accepted);
    gst_caps_unref(caps);
    return convertible;
}

bool inSystemMemory(const GstCaps *caps, guint index)
{
    GstCapsFeatures *features = gst_caps_get_features(caps, index);
    return !features || gst_caps_features_is_equal(features, GST_CAPS_FEATURES_MEMORY_SYSTEM_MEMORY);
}

// Every usable format and size in the offered caps; ranges of sizes give the wanted size.
QVector<Offer> usableOffers(const GstCaps *offered, const QSize &wanted, bool canDecodeH264)
{
    QVector<Offer> offers;
    for (guint i = 0; i < gst_caps_get_size(offered); ++i) {
        if (!inSystemMemory(offered, i))
            continue;
        const GstStructure *structure = gst_caps_get_structure(offered, i);
        const QString mediaType = QString::fromUtf8(gst_structure_get_name(structure));
        QStringList formats{QString()};
        Kind kind = Kind::Raw;
        if (mediaType == QLatin1String(RawVideo)) {
            formats = formatValues(gst_structure_get_value(structure, "format"));
        } else if (mediaType == QLatin1String(Jpeg)) {
            kind = Kind::Jpeg;
        } else if (mediaType == QLatin1String(H264) && canDecodeH264) {
            kind = Kind::H264;
        } else {
            continue;
        }
        QVector<RateSpan> rates;
        addRates(gst_structure_get_value(structure, "framerate"), rates);
        const QVector<int> widths = sizeValues(gst_structure_get_value(structure, "width"), wanted.width());
        const QVector<int> heights = sizeValues(gst_structure_get_value(structure, "height"), wanted.height());
        for (const QString &format : formats) {
            if (kind == Kind::Raw && !isConvertible(format))
                continue;
            for (int width : widths) {
                for (int height : heights) {
                    if (width > 0 && height > 0)
                        offers.append({kind, mediaType, format, QSize(width, height), rates});
                }
            }
        }
    }
    return offers;
}

// H.264 costs a decoder and a parser for nothing where another format gives the same size.
void dropH264WhereOthersOfferTheSize(QVector<Offer> &offers)
{
    QVector<QSize> otherSizes;
    for (const Offer &offer : offers) {
        if (offer.kind != Kind::H264)
            otherSizes.append(offer.size);
    }
    offers.erase(std::remove_if(offers.begin(), offers.end(),
                                [&otherSizes](const Offer &offer) {
                                    return offer.kind == Kind::H264 && otherSizes.contains(offer.size);
                                }),
                 offers.end());
}

qint64 area(const QSize &size)
{
    return qint64(size.width()) * size.height();
}

bool fitsInside(const QSize &size, const QSize &bounds)
{
    return size.width() <= bounds.width() && size.height() <= bounds.height();
}

// Of the offers passing the filter, the size with the largest (or smallest) area; invalid if none.
template<typename Filter>
QSize extremeSize(const QVector<Offer> &offers, bool largest, Filter passes)
{
    QSize best;
    for (const Offer &offer : offers) {
        if (!passes(offer))
            continue;
        const bool better = !best.isValid()
            || (largest ? area(offer.size) > area(best) : area(offer.size) < area(best));
        if (better)
            best = offer.size;
    }
    return best;
}

QSize chooseSize(const QVector<Offer> &offers, const QSize &wanted)
{
    for (const Offer &offer : offers) {
        if (offer.size == wanted && isSmooth(offer))
            return wanted;
    }
    const QSize fitting = extremeSize(offers, true, [&wanted](const Offer &offer) {
        return isSmooth(offer) && fitsInside(offer.size, wanted);
    });
    if (fitting.isValid())
        return fitting;
    const QSize smallestSmooth = extremeSize(offers, false, isSmooth);
    if (smallestSmooth.isValid())
        return smallestSmooth;
    return extremeSize(offers, false, [](const Offer &) { return true; });
}

// The same format may be listed at the same size more than once; its rates are pooled.
QVector<Offer> formatsAt(const QVector<Offer> &offers, const QSize &size)
{
    QVector<Offer> formats;
    for (const Offer &offer : offers) {
        if (offer.size != size)
            continue;
        auto same = std::find_if(formats.begin(), formats.end(), [&offer](const Offer &known) {
            return known.mediaType == offer.mediaType && known.format == offer.format;
        });
        if (same == formats.end())
            formats.append(offer);
        else
            same->rates += offer.rates;
    }
    return formats;
}

// True when a's rate makes it the better capture format; an equal rate leaves it to the kind.
bool ratesBetter(const RateChoice &a, const RateChoice &b)
{
    if (a.reachesWanted != b.reachesWanted)
        return a.reachesWanted;
    const int order = compare(a.rate, b.rate);
    return a.reachesWanted ? order < 0 : order > 0;
}

// Decides between formats of the same rate: raw needs no decoding (and the grabber's own format
// not even a conversion), and MJPEG decodes cheaper and more reliably than H.264.
int workToShow(const Offer &offer)
{
    switch (offer.kind) {
    case Kind::Raw:
        return offer.format == QLatin1String(GrabberFormat) ? 0 : 1;
    case Kind::Jpeg:
        return 2;
    case Kind::H264:
        return 3;
    }
    return 3;
}

bool sameRate(const RateChoice &a, const RateChoice &b)
{
    return a.reachesWanted == b.reachesWanted && compare(a.rate, b.rate) == 0;
}

} // namespace

bool CaptureFormat::isValid() const
{
    return !mediaType.isEmpty() && !size.isEmpty();
}

GstCaps *CaptureFormat::toCaps() const
{
    GstCaps *caps = gst_caps_new_simple(mediaType.toUtf8().constData(), "width", G_TYPE_INT,
                                        size.width(), "height", G_TYPE_INT, size.height(), nullptr);
    if (!format.isEmpty())
        gst_caps_set_simple(caps, "format", G_TYPE_STRING, format.toUtf8().constData(), nullptr);
    // A camera that lists no rate is not asked for one.
    if (fpsNumerator > 0)
        gst_caps_set_simple(caps, "framerate", GST_TYPE_FRACTION, fpsNumerator, fpsDenominator, nullptr);
    return caps;
}

CaptureFormat CaptureFormat::choose(const GstCaps *offered, const QSize &wanted)
{
    GstRuntime::ensureInitialised();
    if (!offered || gst_caps_is_any(offered))
        return {};
    QVector<Offer> offers = usableOffers(offered, wanted, !installedH264Decoder().isEmpty());
    dropH264WhereOthersOfferTheSize(offers);
    if (offers.isEmpty())
        return {};

    const QSize size = chooseSize(offers, wanted);
    const Offer *best = nullptr;
    RateChoice bestChoice;
    const QVector<Offer> candidates = formatsAt(offers, size);
    for (const Offer &candidate : candidates) {
        const RateChoice choice = bestRate(candidate.rates);
        const bool better = !best || ratesBetter(choice, bestChoice)
            || (sameRate(choice, bestChoice) && workToShow(candidate) < workToShow(*best));
        if (better) {
            best = &candidate;
            bestChoice = choice;
        }
    }
    CaptureFormat chosen;
    chosen.mediaType = best->mediaType;
    chosen.format = best->format;
    chosen.size = size;
    chosen.fpsNumerator = bestChoice.rate.numerator;
    chosen.fpsDenominator = bestChoice.rate.denominator;
    return chosen;
}

QByteArray installedH264Decoder()
{
    GstRuntime::ensureInitialised();
    GList *decoders = gst_element_factory_list_get_elements(
        GST_ELEMENT_FACTORY_TYPE_DECODER | GST_ELEMENT_FACTORY_TYPE_MEDIA_VIDEO, GST_RANK_MARGINAL);
    GstCaps *h264 = gst_caps_new_empty_simple(H264);
    GList *fitting = gst_element_factory_list_filter(decoders, h264, GST_PAD_SINK, FALSE);
    fitting = g_list_sort(fitting, gst_plugin_feature_rank_compare_func);
    const QByteArray name = fitting ? QByteArray(GST_OBJECT_NAME(fitting->data)) : QByteArray();
    gst_plugin_feature_list_free(fitting);
    gst_plugin_feature_list_free(decoders);
    gst_caps_unref(h264);
    return name;
}

QString describe(const CaptureFormat &format)
{
    GstCaps *caps = format.toCaps();
    gchar *text = gst_caps_to_string(caps);
    const QString description = QString::fromUtf8(text);
    g_free(text);
    gst_caps_unref(caps);
    return description;
}
