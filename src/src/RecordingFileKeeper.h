#ifndef RECORDINGFILEKEEPER_H
#define RECORDINGFILEKEEPER_H

#include <QString>

// Holds a recording's file open for reading while another writer fills it.
//
// The handle carries a shared lock, which tells a start-up repair (RecordingRescuer) in another
// instance of the program that the file is being written and must be left alone. It also keeps
// the file's contents reachable when the file or its whole folder is removed meanwhile: release()
// then writes them back under the file's name, making the folder again if needed.
class RecordingFileKeeper
{
public:
    enum class Outcome { Kept, Restored, Lost, NotHeld };

    RecordingFileKeeper() = default;
    RecordingFileKeeper(const RecordingFileKeeper &) = delete;
    RecordingFileKeeper &operator=(const RecordingFileKeeper &) = delete;
    ~RecordingFileKeeper();

    // Starts holding the file, which must exist; false when it cannot be opened.
    bool hold(const QString &path);
    bool isHolding() const;
    // Whether the name no longer leads to the held file (removed, or replaced by another).
    bool isRemoved() const;
    // Call after the writer has closed the file. Kept when the file is in its place, Restored when
    // it had been removed and was written back, Lost when that failed, NotHeld when nothing was
    // held (no hold, or one that failed), so nothing could be written back.
    Outcome release();

    QString path() const;
    // Where the last release() wrote a removed file back: its own name, or a numbered one when
    // another file had taken that name meanwhile.
    QString restoredPath() const;

    // Takes a shared (writer side) or exclusive (repair side) lock without waiting.
    static bool tryLock(int fd, bool exclusive);

private:
    bool restore();

    QString heldPath;
    QString restoredTo;
    int fd = -1;
};

#endif
