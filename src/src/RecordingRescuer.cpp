#include "RecordingRescuer.h"

#include "RecordingFileKeeper.h"
#include "RegularFile.h"
#include "media/RecordingRepair.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QRegularExpression>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QRegularExpression &recordingPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}(_\\d+)?\\.(avi|mp4)$"));
    return pattern;
}

// An open descriptor with an exclusive lock, or -1 when the file is in use, cannot be opened or is
// no regular file.
int lockForRepair(const QString &path)
{
    const int fd = RegularFile::openDescriptor(path, O_RDONLY);
    if (fd < 0)
        return -1;
    if (!RecordingFileKeeper::tryLock(fd, true)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

RecordingRescuer::RecordingRescuer(QWidget *dialogParent)
    : dialogParent(dialogParent)
    , freeSpace(&RecordingWatch::systemFreeSpace)
{
}

RecordingRescuer::~RecordingRescuer()
{
    delete dialog;
}

void RecordingRescuer::setDialogDelay(int milliseconds)
{
    dialogDelay = milliseconds;
}

void RecordingRescuer::setFreeSpaceQuery(RecordingWatch::FreeSpaceQuery query)
{
    freeSpace = query ? std::move(query) : RecordingWatch::FreeSpaceQuery(&RecordingWatch::systemFreeSpace);
}

QStringList RecordingRescuer::repaired() const
{
    return done;
}

QStringList RecordingRescuer::failed() const
{
    return problems;
}

bool RecordingRescuer::isRecordingName(const QString &fileName)
{
    return recordingPattern().match(fileName).hasMatch();
}

QStringList RecordingRescuer::cutOffRecordings(const QString &folder)
{
    QStringList found;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.avi"), QStringLiteral("*.mp4")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (!isRecordingName(name))
            continue;
        const QString path = dir.filePath(name);
        if (RecordingRepair::isCutOff(path))
            found << path;
    }
    return found;
}

int RecordingRescuer::rescue(const QString &folder)
{
    done.clear();
    problems.clear();
    cancelled = false;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return 0;
    removeRemnants(folder);
    const QStringList candidates = cutOffRecordings(folder);
    for (int i = 0; i < candidates.size() && !cancelled; ++i) {
        if (rescueOne(candidates.at(i), i, candidates.size()))
            done << candidates.at(i);
    }
    delete dialog;
    return done.size();
}

// A repair killed half-way leaves its new file under the temporary name; the old one is intact.
void RecordingRescuer::removeRemnants(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (isRecordingName(RecordingRepair::originalName(name)) && QFile::remove(dir.filePath(name)))
            qDebug() << "Removed the remnant of an interrupted repair:" << name;
    }
}

bool RecordingRescuer::rescueOne(const QString &path, int index, int count)
{
    const int lock = lockForRepair(path);
    if (lock < 0) {
        problems << QStringLiteral("%1: in use by another program").arg(path);
        return false;
    }
    const qint64 available = freeSpace(QFileInfo(path).absolutePath());
    const qint64 needed = QFileInfo(path).size() + RecordingWatch::DefaultMinimumFreeBytes;
    if (available >= 0 && available < needed) {
        ::close(lock);
        problems << QStringLiteral("%1: not enough free disk space for the repair").arg(path);
        return false;
    }

    qDebug() << "Repairing the cut-off recording" << path;
    showDialog(count);
    if (dialog)
        dialog->setLabelText(tr("Repairing the recording \"%1\", which was cut off when the "
                                "program last ended...")
                                 .arg(QFileInfo(path).fileName()));
    RecordingRepair repair;
    const bool repairedOk = repair.repair(path, [this, index](int permille) {
        return reportProgress(index, permille);
    });
    ::close(lock);
    if (!repairedOk) {
        qDebug() << "The recording" << path << "could not be repaired:" << repair.error();
        problems << QStringLiteral("%1: %2").arg(path, repair.error());
    }
    reportProgress(index, 1000);
    return repairedOk;
}

void RecordingRescuer::showDialog(int count)
{
    if (dialog)
        return;
    dialog = new QProgressDialog(dialogParent);
    dialog->setWindowTitle(QCoreApplication::applicationName());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setRange(0, count * 1000);
    dialog->setMinimumDuration(dialogDelay);
    dialog->setValue(0);
}

// False once the user has cancelled: the repair under way stops and the rest are left.
bool RecordingRescuer::reportProgress(int index, int permille)
{
    if (!dialog)
        return true;
    dialog->setValue(index * 1000 + permille);
    // The dialog handles its own events only when the value moves; a Cancel must not wait for that.
    if (dialog->isVisible())
        QCoreApplication::processEvents();
    if (dialog->wasCanceled())
        cancelled = true;
    return !cancelled;
}
