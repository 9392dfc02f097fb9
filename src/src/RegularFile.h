#ifndef REGULARFILE_H
#define REGULARFILE_H

#include <QString>

class QFile;

// Opens files that came from a folder listing, where any name may stand for a named pipe, a
// terminal or another device, directly or through a symbolic link. Opening one of those for
// reading can wait for ever (a pipe without a writer) or disturb the device, so only regular
// files are opened, after following links, and the open itself never waits.
class RegularFile
{
public:
    // Whether the path leads, through any links, to a regular file.
    static bool isRegular(const QString &path);

    // A descriptor open with the given access flags (O_RDONLY, O_RDWR), or -1 with errno set when
    // the path leads to no regular file or cannot be opened.
    static int openDescriptor(const QString &path, int accessFlags);

    // Opens file for reading from the path; false, with file closed, as for openDescriptor. The
    // file then has no name of its own: callers keep the path.
    static bool openForReading(QFile &file, const QString &path);

    RegularFile() = delete;
};

#endif
