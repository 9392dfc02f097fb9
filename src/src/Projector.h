#ifndef PROJECTOR_H
#define PROJECTOR_H

#include <QObject>
#include <QPointer>

#include "ProjectorWindow.h"

class MainWindow;
class QScreen;

// Opens and closes the projector window for the main window: on a screen other than the
// presenter's (the one used last when it is there), showing the current canvas and following
// mode switches. The choice of screen is remembered by the screen's name.
class Projector : public QObject
{
    Q_OBJECT

public:
    explicit Projector(MainWindow *window);
    ~Projector() override;

    ProjectorWindow *window() const { return projector; }
    bool isOpen() const { return projector != nullptr; }

    // A message for the presenter when there is no screen to project on.
    static QString noScreenText();

public slots:
    void toggle();
    void open();
    void close();
    // Puts an open projector window on the next screen that is not the presenter's.
    void moveToNextScreen();

private slots:
    void followMode();

private:
    QScreen *presenterScreen() const;
    void remember(QScreen *screen);

    MainWindow *mainWindow;
    QPointer<ProjectorWindow> projector;
};

#endif
