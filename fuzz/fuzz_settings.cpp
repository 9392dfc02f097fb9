// The settings store read back from a damaged file: the input is the whole settings file, as a
// crash, a full disk or a hand edit may leave it. Every value must read back without harm, and a
// value set afterwards must survive into the next run, and the settings window must open on
// whatever sizes the file holds.
#include "Config.h"
#include "FuzzInput.h"
#include "ImageButton.h"
#include "MainWindow.h"
#include "SettingsToolWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QTemporaryDir *home = nullptr;
MainWindow *window = nullptr;

QString storeFile()
{
    return home->path() + QStringLiteral("/.config/Morvane/Document Camera.conf");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
    static QTemporaryDir scratch;
    home = &scratch;
    QDir(home->path()).mkpath(QStringLiteral(".config/Morvane"));
    QDir(home->path()).mkpath(QStringLiteral("Documents"));
    qputenv("HOME", home->path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home->path() + QStringLiteral("/.config"));
    // One window for the whole run; each input opens a settings window of its own on it.
    window = new MainWindow;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks the value set afterwards; the rest is the file.
    FuzzInput input(data, size);
    const int mode = input.range(SingleShot, Continuous);
    {
        QFile file(storeFile());
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(input.rest()), qint64(input.restSize()));
    }

    Config::reload();
    Config::snapshotMode();
    Config::snapshotInterval();
    Config::snapshotPath();
    Config::recordPath();
    Config::resolution();
    Config::recordingResolution();
    Config::language();
    // Whatever the file held, the default folders exist once the store has been read.
    require(QDir(home->path() + QStringLiteral("/Documents/Document Camera/images")).exists());
    {
        SettingsToolWindow settings(window->settingsButton, window);
        require(settings.resolutionBox->currentIndex() >= 0);
    }

    Config::setSnapshotMode(mode);
    Config::reload();   // writes the store out as the end of a run does
    require(Config::snapshotMode() == mode);
    Config::reload();
    return 0;
}
