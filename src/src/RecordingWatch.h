#ifndef RECORDINGWATCH_H
#define RECORDINGWATCH_H

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Watches a running recording from the user-interface thread, once a second: the free space of
// the disk its folder is on, and whether its file is still there. Either trouble is reported once,
// and the watch stops; the recorder decides what to do.
//
// The free-space threshold leaves room for the index written when the recording is finished and
// stops well before the disk is full, where the file could no longer be completed.
class RecordingWatch : public QObject
{
    Q_OBJECT

public:
    // Bytes free for this user on the disk that holds the folder; negative when unknown.
    using FreeSpaceQuery = std::function<qint64(const QString &folder)>;

    static constexpr qint64 DefaultMinimumFreeBytes = qint64(50) * 1024 * 1024;
    static constexpr int PollIntervalMs = 1000;

    explicit RecordingWatch(QObject *parent = nullptr);

    void setFreeSpaceQuery(FreeSpaceQuery query);
    void setMinimumFreeBytes(qint64 bytes);
    qint64 minimumFreeBytes() const;

    // Whether the folder's disk has at least the minimum free. A disk whose free space cannot be
    // read counts as having room: the recorder's own errors still catch a full one.
    bool hasRoom(const QString &folder) const;

    void start(const QString &fileName);
    void stop();
    bool isWatching() const;

    static qint64 systemFreeSpace(const QString &folder);

public slots:
    void check();

signals:
    void lowDiskSpace();
    void fileRemoved();

private:
    QTimer timer;
    QString file;
    QString folder;
    bool fileSeen = false; // a writer that has not made its file yet has not lost it
    FreeSpaceQuery freeSpace;
    qint64 minimumFree = DefaultMinimumFreeBytes;
};

#endif
