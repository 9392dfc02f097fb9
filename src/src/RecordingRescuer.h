#ifndef RECORDINGRESCUER_H
#define RECORDINGRESCUER_H

#include "RecordingWatch.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QProgressDialog;
class QWidget;

// Finds the recordings of this program (named "yyyy-MM-dd_hh-mm-ss.avi" or ".mp4", or with "_N"
// added) that were cut off when it last ended without finishing them (killed, crashed, power
// lost), and has each repaired by RecordingRepair. Runs at start-up, before anything records.
//
// A file that another running instance still writes (it holds a lock on it) is left alone, and so
// is one whose repair would leave less than the recording minimum free on its disk. A repair that
// takes more than a moment shows a progress dialog; cancelling it leaves the rest as they are,
// for the next start. Remnants of a repair that was itself interrupted are removed.
class RecordingRescuer : public QObject
{
    Q_OBJECT

public:
    static constexpr int DialogDelayMs = 1000;

    explicit RecordingRescuer(QWidget *dialogParent = nullptr);
    ~RecordingRescuer() override;

    void setDialogDelay(int milliseconds);
    void setFreeSpaceQuery(RecordingWatch::FreeSpaceQuery query);

    // Repairs what it can in the folder and returns how many files it repaired.
    int rescue(const QString &folder);
    QStringList repaired() const;
    // The files left cut off, each with the reason.
    QStringList failed() const;

    static bool isRecordingName(const QString &fileName);
    // The program's recordings in the folder that lack their index, oldest name first.
    static QStringList cutOffRecordings(const QString &folder);

private:
    void removeRemnants(const QString &folder);
    bool rescueOne(const QString &path, int index, int count);
    bool reportProgress(int index, int permille);
    void showDialog(int count);

    QWidget *dialogParent;
    QPointer<QProgressDialog> dialog;
    int dialogDelay = DialogDelayMs;
    RecordingWatch::FreeSpaceQuery freeSpace;
    QStringList done;
    QStringList problems;
    bool cancelled = false;
};

#endif
