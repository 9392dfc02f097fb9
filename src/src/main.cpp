#include "Config.h"
#include "MainWindow.h"
#include "RecordingRescuer.h"
#include "Translations.h"

#include <QApplication>
#include <QDebug>
#include <QScreen>
#include <QIcon>

// The build-configuration dump written to the debug log at every start.
void DumpConfig()
{
    qDebug() << "APP_VERSION";
    qDebug() << "\t" << "20161021-1";
    qDebug() << "DSP";
    qDebug() << "\t" << "TYPE_GENERIC";
    qDebug() << "FUNCTION_OPTION";
    qDebug() << "\t" << "USE_UVC";
    qDebug() << "\t" << "ONE_RESOLUTION_SET";
    qDebug() << "LANGUAGE_INTERFACE";
    qDebug() << "\t" << "MULTI_LANG";
    qDebug() << "MODEL_NAME";
    qDebug() << "DEVICE_NAME";
    qDebug() << "\t" << "DC-1";
    qDebug() << "PLATFORM";
    qDebug() << "\t" << "LINUX";
    qDebug() << "\t" << "Q_OS_LINUX";
    qDebug() << "\n";
}

// Centres a window of the given size on a desktop of the given size; a window larger than the
// desktop gets negative coordinates.
QPoint centredPosition(const QSize &desktop, const QSize &window)
{
    return QPoint((desktop.width() - window.width()) / 2, (desktop.height() - window.height()) / 2);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ICON_APP.ICO")));
    DumpConfig();
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));

    Translations::install(Config::language(), QCoreApplication::applicationDirPath());

    // Recordings cut off when the program last ended (killed, crashed, power lost) are made whole
    // before the window exists: nothing can then record into the folder, or open one of them as a
    // film, while it is being rewritten, and the camera does not compete with the repair.
    RecordingRescuer().rescue(Config::recordPath());

    MainWindow window;
    window.show();

    // Qt reports no screen at all while every output is off; the window then stays where it is.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(centredPosition(screen->availableGeometry().size(), window.size()));

    return app.exec();
}
