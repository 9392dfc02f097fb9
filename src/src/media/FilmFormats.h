#ifndef FILMFORMATS_H
#define FILMFORMATS_H

#include <QString>
#include <QStringList>

// The kinds of film file the installed GStreamer can open, by file name extension: every
// container a demuxer of the registry reads, and always the common ones (AVI, WMV, MP4, MOV,
// Matroska, WebM, MPEG, Ogg, FLV, 3GP, transport streams) so the choice does not shrink when a
// plug-in package is missing; such a file is then refused with the reason when it is opened.
class FilmFormats
{
public:
    // Lower-case extensions without the dot, sorted, each once.
    static QStringList extensions();
    // The extensions as file dialog patterns ("*.avi *.AVI ..."): names on Linux are
    // case-sensitive, and cameras and phones write upper-case ones.
    static QString filePatterns();
};

#endif
