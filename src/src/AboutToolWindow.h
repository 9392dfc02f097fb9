#ifndef ABOUTTOOLWINDOW_H
#define ABOUTTOOLWINDOW_H

#include "ToolWindow.h"

class MainWindow;



// The version line over the picture the main window hands in, and an OK button that closes it.
class AboutToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    AboutToolWindow(QWidget *anchor, MainWindow *mainWindow, QImage background);

    MainWindow *mainWindow;

private slots:
    void AboutOk();
};

#endif
