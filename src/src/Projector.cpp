#include "Projector.h"

#include "Config.h"
#include "MainWindow.h"
#include "OSDProcessor.h"
#include "ProjectorWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

Projector::Projector(MainWindow *window)
    : QObject(window)
    , mainWindow(window)
{
    connect(window, SIGNAL(modeChanged()), this, SLOT(followMode()));
}

Projector::~Projector()
{
    close();
}

QString Projector::noScreenText()
{
    return tr("There is no second screen for the projector window.");
}

QScreen *Projector::presenterScreen() const
{
    return mainWindow->screen();
}

void Projector::remember(QScreen *screen)
{
    if (screen && screen->name() != Config::projectorScreen())
        Config::setProjectorScreen(screen->name());
}

void Projector::toggle()
{
    if (projector)
        close();
    else
        open();
}

void Projector::open()
{
    if (projector)
        return;
    QScreen *screen = ProjectorWindow::chooseScreen(QGuiApplication::screens(), presenterScreen(),
                                                    Config::projectorScreen());
    if (!screen) {
        mainWindow->osdByCanvas.value(mainWindow->currentCanvas)->showMessage(noScreenText());
        return;
    }
    projector = new ProjectorWindow(screen);
    // Gone with its screen: the window has closed itself.
    connect(projector, &ProjectorWindow::screenGone, this, [this] { projector = nullptr; });
    // Keys pressed while the audience's screen happens to be active still reach the commands.
    projector->addActions(mainWindow->actions());
    projector->showCanvas(mainWindow->currentCanvas);
    remember(screen);
}

void Projector::close()
{
    if (!projector)
        return;
    delete projector.data();
    projector = nullptr;
}

void Projector::moveToNextScreen()
{
    if (!projector)
        return;
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *presenter = presenterScreen();
    const int now = screens.indexOf(projector->targetScreen());
    for (int step = 1; step <= screens.size(); ++step) {
        QScreen *candidate = screens.at((now + step) % screens.size());
        if (candidate == presenter || candidate == projector->targetScreen())
            continue;
        projector->moveToScreen(candidate);
        remember(candidate);
        return;
    }
}

void Projector::followMode()
{
    if (projector)
        projector->showCanvas(mainWindow->currentCanvas);
}
