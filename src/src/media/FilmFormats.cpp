#include "FilmFormats.h"

#include "GstRuntime.h"

#include <QSet>

#include <gst/gst.h>

#include <cstring>

namespace {

const char *const CommonFilms[] = {"avi", "wmv", "asf", "mp4", "m4v", "mov", "mkv",
                                   "webm", "mpg", "mpeg", "ogv", "flv", "3gp", "ts"};

// Extensions that film containers share with sound-only files, playlists or unrelated data.
const char *const NotFilms[] = {"oga", "spx", "axa", "mka", "wma", "ape", "ra", "ram", "dat"};

// Tag readers, sound files and streaming playlists are demuxers too, but never hold a film.
bool readsFilms(GstElementFactory *demuxer)
{
    const gchar *klass = gst_element_factory_get_metadata(demuxer, GST_ELEMENT_METADATA_KLASS);
    return klass && !std::strstr(klass, "Metadata") && !std::strstr(klass, "Audio")
           && !std::strstr(klass, "Adaptive");
}

bool soundOrPicturesOnly(const GstCaps *caps)
{
    for (guint i = 0; i < gst_caps_get_size(caps); ++i) {
        const gchar *name = gst_structure_get_name(gst_caps_get_structure(caps, i));
        if (!g_str_has_prefix(name, "audio/") && !g_str_has_prefix(name, "image/"))
            return false;
    }
    return true;
}

} // namespace

QStringList FilmFormats::extensions()
{
    GstRuntime::ensureInitialised();
    QSet<QString> found;
    for (const char *extension : CommonFilms)
        found.insert(QLatin1String(extension));

    // decodebin plugs elements from the marginal rank up; lower ones it never uses.
    GList *demuxers = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DEMUXER,
                                                            GST_RANK_MARGINAL);
    GList *filmDemuxers = nullptr;
    for (GList *item = demuxers; item; item = item->next) {
        if (readsFilms(GST_ELEMENT_FACTORY(item->data)))
            filmDemuxers = g_list_prepend(filmDemuxers, item->data);
    }

    // A type finder tells a container by its content and names its usual extensions.
    GList *finders = gst_type_find_factory_get_list();
    for (GList *item = finders; item; item = item->next) {
        GstTypeFindFactory *finder = GST_TYPE_FIND_FACTORY(item->data);
        const gchar *const *names = gst_type_find_factory_get_extensions(finder);
        GstCaps *caps = gst_type_find_factory_get_caps(finder);
        if (!names || !caps || soundOrPicturesOnly(caps))
            continue;
        GList *readers = gst_element_factory_list_filter(filmDemuxers, caps, GST_PAD_SINK, FALSE);
        if (!readers)
            continue;
        gst_plugin_feature_list_free(readers);
        for (const gchar *const *name = names; *name; ++name)
            found.insert(QString::fromUtf8(*name).toLower());
    }
    gst_plugin_feature_list_free(finders);
    g_list_free(filmDemuxers);
    gst_plugin_feature_list_free(demuxers);

    for (const char *extension : NotFilms)
        found.remove(QLatin1String(extension));
    QStringList sorted(found.begin(), found.end());
    sorted.sort();
    return sorted;
}

QString FilmFormats::filePatterns()
{
    QStringList patterns;
    for (const QString &extension : extensions())
        patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    return patterns.join(QLatin1Char(' '));
}
