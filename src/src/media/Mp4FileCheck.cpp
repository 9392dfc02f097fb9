#include "Mp4FileCheck.h"

#include "RegularFile.h"

#include <QFile>
#include <QtEndian>

namespace {

struct BoxHeader
{
    QByteArray type;
    // Zero for a box that runs to the end of the file.
    quint64 size = 0;
};

bool readHeader(QFile &file, quint64 offset, BoxHeader *header)
{
    if (!file.seek(qint64(offset)))
        return false;
    const QByteArray bytes = file.read(16);
    if (bytes.size() < 8)
        return false;
    header->type = bytes.mid(4, 4);
    header->size = qFromBigEndian<quint32>(bytes.constData());
    if (header->size == 1) {
        if (bytes.size() < 16)
            return false;
        header->size = qFromBigEndian<quint64>(bytes.constData() + 8);
    }
    return true;
}

} // namespace

Mp4FileCheck::State Mp4FileCheck::inspect(const QString &path)
{
    QFile file;
    if (!RegularFile::openForReading(file, path))
        return State::NotMp4;
    const quint64 fileSize = quint64(file.size());
    BoxHeader box;
    if (!readHeader(file, 0, &box) || box.type != "ftyp")
        return State::NotMp4;

    bool movie = false;
    bool fragments = false;
    QByteArray last;
    quint64 offset = 0;
    while (offset < fileSize) {
        if (!readHeader(file, offset, &box))
            return State::MissingIndex; // a box header cut off
        const quint64 end = box.size == 0 ? fileSize : offset + box.size;
        if (box.size != 0 && box.size < 8)
            return State::MissingIndex;
        if (end > fileSize)
            return State::MissingIndex;
        movie = movie || box.type == "moov";
        fragments = fragments || box.type == "moof";
        last = box.type;
        offset = end;
    }
    if (!movie)
        return State::MissingIndex;
    return !fragments || last == "mfra" ? State::Complete : State::MissingIndex;
}
