#ifndef BINPARTS_H
#define BINPARTS_H

typedef struct _GstCaps GstCaps;
typedef struct _GstElement GstElement;

// Elements made and put into a bin in one step, for the pipelines built by hand.
class BinParts
{
public:
    // The new element, already in the bin; null, with the missing factory in the debug log, when
    // it is not installed.
    static GstElement *add(GstElement *bin, const char *factory);
    // A capsfilter holding the caps, in the bin; the caps are let go either way.
    static GstElement *addCapsFilter(GstElement *bin, GstCaps *caps);
};

#endif
