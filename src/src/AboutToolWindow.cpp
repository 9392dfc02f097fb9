#include "AboutToolWindow.h"

#include "ImageButton.h"
#include "MainWindow.h"

#include <QLabel>

AboutToolWindow::AboutToolWindow(QWidget *anchor, MainWindow *mainWindow, QImage background)
    //: Title of the About window, white on its title band (about 200 pixels).
    : ToolWindow(background, anchor, mainWindow, tr("About"))
    , mainWindow(mainWindow)
{
    setStyleSheet(QStringLiteral("QLabel { font-family: Arial; font-size: ") + QStringLiteral("14")
                  + QStringLiteral("px; color: gray; }QLineEdit { width: 124px; } QComboBox { width: 124px; } "));

    //: About window: the word before the version number ("Version 2.00").
    const QString versionWord = tr("Version");
    //: About window: the version number after "Version", with its leading space.
    const QString versionNumber = tr(" 2.00");
    QLabel *version = new QLabel(versionWord + versionNumber, this);
    version->move(20, 30);

    ImageButton *ok = new ImageButton(QStringLiteral("POPUP_BUTTON"), this, 90, 70);
    //: About window: button that closes it; at most 78 pixels in 8-point type.
    ok->setText(tr("OK"));
    connect(ok, SIGNAL(clicked()), this, SLOT(AboutOk()));
}

void AboutToolWindow::AboutOk()
{
    close();
}
