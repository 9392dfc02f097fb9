#include "AviFileCheck.h"

#include "RegularFile.h"

#include <QFile>
#include <QtEndian>

namespace {

struct ChunkHeader
{
    QByteArray id;
    quint64 size = 0;
    QByteArray form; // the list or RIFF type; empty for a plain chunk
};

bool readHeader(QFile &file, quint64 offset, ChunkHeader *header)
{
    if (!file.seek(qint64(offset)))
        return false;
    const QByteArray bytes = file.read(12);
    if (bytes.size() < 8)
        return false;
    header->id = bytes.left(4);
    header->size = qFromLittleEndian<quint32>(bytes.constData() + 4);
    const bool isList = header->id == "RIFF" || header->id == "LIST";
    header->form = isList && bytes.size() == 12 ? bytes.mid(8, 4) : QByteArray();
    return true;
}

quint64 paddedEnd(quint64 offset, quint64 size)
{
    return offset + 8 + size + (size & 1);
}

// Whether the first RIFF chunk, which must end within the file, holds an index after its movi list.
bool hasIndex(QFile &file, quint64 riffEnd)
{
    bool moviSeen = false;
    quint64 offset = 12;
    ChunkHeader chunk;
    while (offset + 8 <= riffEnd && readHeader(file, offset, &chunk)) {
        const quint64 end = paddedEnd(offset, chunk.size);
        if (chunk.size == 0 && chunk.id == "LIST")
            return false; // a list left at its placeholder size
        if (end > riffEnd + 1)
            return false;
        if (chunk.id == "LIST" && chunk.form == "movi")
            moviSeen = true;
        if (chunk.id == "idx1")
            return moviSeen;
        offset = end;
    }
    return false;
}

} // namespace

AviFileCheck::State AviFileCheck::inspect(const QString &path)
{
    QFile file;
    if (!RegularFile::openForReading(file, path))
        return State::NotAvi;
    const quint64 fileSize = quint64(file.size());
    ChunkHeader riff;
    if (!readHeader(file, 0, &riff) || riff.id != "RIFF" || riff.form != "AVI ")
        return State::NotAvi;

    quint64 offset = 0;
    bool first = true;
    while (offset < fileSize) {
        if (!readHeader(file, offset, &riff) || riff.id != "RIFF")
            return State::MissingIndex; // data after the last whole RIFF chunk
        if (riff.form != (first ? QByteArray("AVI ") : QByteArray("AVIX")))
            return State::MissingIndex;
        const quint64 end = paddedEnd(offset, riff.size);
        // A writer pads the last chunk to an even size; allow the pad byte to be missing.
        if (end > fileSize + 1)
            return State::MissingIndex;
        if (first && !hasIndex(file, qMin(end, fileSize)))
            return State::MissingIndex;
        first = false;
        offset = end;
    }
    return State::Complete;
}
