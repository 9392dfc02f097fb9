#ifndef MP4FILECHECK_H
#define MP4FILECHECK_H

#include <QString>

// Tells a finished MP4 recording from one cut off before its end, by reading the top-level boxes
// only. A finished file is a run of boxes that covers it exactly, from its "ftyp" on: written in
// fragments, it ends with the random-access index "mfra" the muxer adds at the end; written in
// one piece, it holds a "moov" and no fragment. A file whose writer was killed lacks the index and
// states no length in its header, and one cut by a full disk ends inside a box. A name that leads
// to anything but a regular file (a pipe, a device) is NotMp4, found without waiting on it.
class Mp4FileCheck
{
public:
    enum class State { NotMp4, Complete, MissingIndex };

    static State inspect(const QString &path);
};

#endif
