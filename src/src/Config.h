#ifndef CONFIG_H
#define CONFIG_H

#include <QObject>
#include <QSize>
#include <QString>

class QSettings;

enum SnapshotMode {
    SingleShot = 0,
    Continuous = 1
};

// Makes documents/Document Camera/<sub> where it can and returns its path either way.
QString dataFolder(const QString &sub);

// The user's persistent settings. Every key is read once, when the store is first used; a setter
// updates the cached value and writes the key at once. Lives in the native store of the current
// user (an INI file under the XDG config folder on Linux), scoped by the organization and
// application names set at start-up.
class Config : public QObject
{
    Q_OBJECT

public:
    static Config *instance();

    static int snapshotMode();
    static void setSnapshotMode(int mode);
    static quint64 snapshotInterval();
    static void setSnapshotInterval(quint64 seconds);
    static QString snapshotPath();
    static void setSnapshotPath(const QString &path);
    static QString recordPath();
    static void setRecordPath(const QString &path);
    static QSize resolution();
    static void setResolution(const QSize &size);
    static QSize recordingResolution();
    // The interface language of this run, as stored when the run began.
    static QString language();
    // A new choice takes effect at the next start: it is stored, and read back here, but the
    // language of this run stays.
    static QString chosenLanguage();
    static void setLanguage(const QString &code);
    // The live camera the user chose, by its stable identity; empty for the automatic choice.
    static QString camera();
    static void setCamera(const QString &identity);
    // The screen the projector window last showed on, by the screen's name; empty for none.
    static QString projectorScreen();
    static void setProjectorScreen(const QString &name);
    // "avi" (the default) or "mp4", as stored: RecordingFormat tells what a value means.
    static QString recordingFormat();
    static void setRecordingFormat(const QString &key);

    // Drops the cached store so the next use reads the keys again, as a new run would.
    static void reload();

private:
    Config();

    QSettings *settings = nullptr;
    int m_snapshotMode = 0;
    quint64 m_snapshotInterval = 0;
    QString m_snapshotPath;
    QString m_recordPath;
    QSize m_resolution;
    QSize m_recordingResolution;
    QString m_language;
    QString m_chosenLanguage;
    QString m_camera;
    QString m_projectorScreen;
    QString m_recordingFormat;
};

#endif
