#include "GstErrorText.h"

#include <QDebug>

#include <gst/gst.h>

QString GstErrorText::of(GstMessage *error, const char *logHeading)
{
    GError *parsed = nullptr;
    gchar *debug = nullptr;
    gst_message_parse_error(error, &parsed, &debug);
    const QString text = QString::fromUtf8(parsed ? parsed->message : "unknown error");
    qDebug().noquote() << logHeading << GST_MESSAGE_SRC_NAME(error) << ":" << text << (debug ? debug : "");
    g_clear_error(&parsed);
    g_free(debug);
    return text;
}

QString GstErrorText::withSource(GstMessage *error, const char *logHeading)
{
    return QStringLiteral("%1 (%2)").arg(of(error, logHeading), QString::fromUtf8(GST_MESSAGE_SRC_NAME(error)));
}
