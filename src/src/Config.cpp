#include "Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>
#include <mutex>

namespace {

std::mutex creationLock;
std::unique_ptr<Config> theInstance;

const QSize DefaultResolution(1280, 720);

} // namespace

QString dataFolder(const QString &sub)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = documents + QStringLiteral("/Document Camera/") + sub;
    // A fresh Linux profile may have no documents folder yet: make the whole chain, or the first
    // snapshot would have nowhere to go. Failure still only leaves a path that does not exist.
    QDir().mkpath(folder);
    return folder;
}

Config::Config()
    : settings(new QSettings(this))
{
    m_snapshotMode = settings->value(QStringLiteral("snapshotMode")).toInt();
    m_snapshotInterval = settings->value(QStringLiteral("snapshotInterval")).toULongLong();
    // The default folders are made even when the stored paths point elsewhere.
    const QString imagesFolder = dataFolder(QStringLiteral("images"));
    m_snapshotPath = settings->value(QStringLiteral("snapshotPath"), imagesFolder).toString();
    const QString videosFolder = dataFolder(QStringLiteral("videos"));
    m_recordPath = settings->value(QStringLiteral("recordPath"), videosFolder).toString();
    m_resolution = settings->value(QStringLiteral("resolution2"), DefaultResolution).toSize();
    m_recordingResolution =
        settings->value(QStringLiteral("recordingResolution2"), DefaultResolution).toSize();
    m_language = settings->value(QStringLiteral("language"), QStringLiteral("en")).toString();
    m_chosenLanguage = m_language;
    m_camera = settings->value(QStringLiteral("camera")).toString();
    m_projectorScreen = settings->value(QStringLiteral("projectorScreen")).toString();
    m_recordingFormat =
        settings->value(QStringLiteral("recordingFormat"), QStringLiteral("avi")).toString();
}

Config *Config::instance()
{
    std::lock_guard<std::mutex> guard(creationLock);
    if (!theInstance) {
        theInstance.reset(new Config);
        // The store posts its deferred writes to itself: it belongs with the event loop of the
        // user-interface thread whichever thread used it first.
        if (QCoreApplication *app = QCoreApplication::instance())
            theInstance->moveToThread(app->thread());
    }
    return theInstance.get();
}

void Config::reload()
{
    std::lock_guard<std::mutex> guard(creationLock);
    theInstance.reset();
}

int Config::snapshotMode()
{
    return instance()->m_snapshotMode;
}

void Config::setSnapshotMode(int mode)
{
    Config *config = instance();
    config->m_snapshotMode = mode;
    config->settings->setValue(QStringLiteral("snapshotMode"), mode);
}

quint64 Config::snapshotInterval()
{
    return instance()->m_snapshotInterval;
}

void Config::setSnapshotInterval(quint64 seconds)
{
    Config *config = instance();
    config->m_snapshotInterval = seconds;
    config->settings->setValue(QStringLiteral("snapshotInterval"), seconds);
}

QString Config::snapshotPath()
{
    return instance()->m_snapshotPath;
}

void Config::setSnapshotPath(const QString &path)
{
    Config *config = instance();
    config->m_snapshotPath = path;
    config->settings->setValue(QStringLiteral("snapshotPath"), path);
}

QString Config::recordPath()
{
    return instance()->m_recordPath;
}

void Config::setRecordPath(const QString &path)
{
    Config *config = instance();
    config->m_recordPath = path;
    config->settings->setValue(QStringLiteral("recordPath"), path);
}

QSize Config::resolution()
{
    return instance()->m_resolution;
}

void Config::setResolution(const QSize &size)
{
    Config *config = instance();
    config->m_resolution = size;
    config->settings->setValue(QStringLiteral("resolution2"), size);
}

QSize Config::recordingResolution()
{
    return instance()->m_recordingResolution;
}

QString Config::language()
{
    return instance()->m_language;
}

QString Config::chosenLanguage()
{
    return instance()->m_chosenLanguage;
}

void Config::setLanguage(const QString &code)
{
    Config *config = instance();
    config->m_chosenLanguage = code;
    config->settings->setValue(QStringLiteral("language"), code);
}

QString Config::camera()
{
    return instance()->m_camera;
}

void Config::setCamera(const QString &identity)
{
    Config *config = instance();
    config->m_camera = identity;
    config->settings->setValue(QStringLiteral("camera"), identity);
}

QString Config::projectorScreen()
{
    return instance()->m_projectorScreen;
}

void Config::setProjectorScreen(const QString &name)
{
    Config *config = instance();
    config->m_projectorScreen = name;
    config->settings->setValue(QStringLiteral("projectorScreen"), name);
}

QString Config::recordingFormat()
{
    return instance()->m_recordingFormat;
}

void Config::setRecordingFormat(const QString &key)
{
    Config *config = instance();
    config->m_recordingFormat = key;
    config->settings->setValue(QStringLiteral("recordingFormat"), key);
}
