#ifndef ABOUTTOOLWINDOW_H
#define ABOUTTOOLWINDOW_H

#include "ToolWindow.h"



// The version line over the picture the main window hands in, and an OK button that closes it.
class AboutToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    AboutToolWindow(QWidget *anchor, QWidget *mainWindow, QImage background);

    QWidget *mainWindow;

private slots:
    void AboutOk();
};

#endif
