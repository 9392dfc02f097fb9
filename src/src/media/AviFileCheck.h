#ifndef AVIFILECHECK_H
#define AVIFILECHECK_H

#include <QString>

// Tells a finished AVI recording from one cut off before its end, by reading the top-level RIFF
// chunks only. A finished file is a run of RIFF chunks that covers it exactly: the first of form
// "AVI " holding an idx1 index after its movi list, any further ones of form "AVIX" (files past
// the size of one RIFF). A file whose writer was killed keeps the placeholder sizes of its start
// and lacks the index; one cut by a full disk ends inside a chunk. A name that leads to anything
// but a regular file (a pipe, a device) is NotAvi, found without waiting on it.
class AviFileCheck
{
public:
    enum class State { NotAvi, Complete, MissingIndex };

    static State inspect(const QString &path);
};

#endif
