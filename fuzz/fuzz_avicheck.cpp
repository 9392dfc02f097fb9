// Files in the recording folder, read the way every start reads them: the input, under a name of
// the program's recordings, is checked by AviFileCheck, directly and through the start-up search
// for cut-off recordings. Whatever the chunk sizes claim, the check ends, and both agree.
#include "FuzzInput.h"
#include "RecordingRescuer.h"
#include "media/AviFileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QTemporaryDir *folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    static QTemporaryDir scratch;
    folder = &scratch;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QString path = QDir(folder->path()).filePath(QStringLiteral("2024-05-01_12-00-00.avi"));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(input.rest()), qint64(input.restSize()));
    }

    const AviFileCheck::State state = AviFileCheck::inspect(path);
    require(state == AviFileCheck::State::NotAvi || state == AviFileCheck::State::Complete
            || state == AviFileCheck::State::MissingIndex);
    const QStringList cutOff = RecordingRescuer::cutOffRecordings(folder->path());
    require(cutOff == (state == AviFileCheck::State::MissingIndex ? QStringList{path} : QStringList()));
    return 0;
}
