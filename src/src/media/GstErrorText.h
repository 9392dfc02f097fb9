#ifndef GSTERRORTEXT_H
#define GSTERRORTEXT_H

#include <QString>

typedef struct _GstMessage GstMessage;

// What a GStreamer error message says, for the user and for the debug log.
class GstErrorText
{
public:
    // The error's own words; the element that posted it and its debug details go to the debug
    // log, under the caller's heading.
    static QString of(GstMessage *error, const char *logHeading);
    // The error's words followed by the element that posted it in brackets.
    static QString withSource(GstMessage *error, const char *logHeading);
};

#endif
