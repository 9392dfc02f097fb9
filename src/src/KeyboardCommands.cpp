#include "KeyboardCommands.h"

#include "FilmSource.h"
#include "FullScreenView.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "PhotographSource.h"
#include "Projector.h"
#include "Slider.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

KeyboardCommands::KeyboardCommands(MainWindow *window)
    : QObject(window)
    , window(window)
{
    add({Qt::Key_Right, Qt::Key_PageDown}, [this] { next(); }, true);
    add({Qt::Key_Left, Qt::Key_PageUp}, [this] { previous(); }, true);
    add({Qt::Key_Space}, [this] { space(); });
    add({Qt::Key_Home}, [this] { first(); });
    add({Qt::Key_End}, [this] { last(); });
    add({Qt::Key_Up}, [this] { volumeBy(VolumeStep); }, true);
    add({Qt::Key_Down}, [this] { volumeBy(-VolumeStep); }, true);
    add({Qt::Key_B, Qt::Key_Period}, [this] { pausePicture(); });

    // Keyboards put + on the = key (shifted) or on the keypad; the plain = key counts too.
    add({Qt::Key_Plus, Qt::Key_Equal},
        [window] { window->zoomInButton->click(); });
    add({Qt::Key_Minus}, [window] { window->zoomOutButton->click(); });
    add({Qt::Key_0}, [window] { window->zoomResetButton->click(); });
    add({Qt::Key_R}, [window] { window->rotateButton->click(); });
    add({Qt::Key_F}, [window] { window->freezeButton->click(); });
    add({QKeySequence(Qt::CTRL + Qt::Key_S)}, [window] { window->snapshotButton->click(); });
    add({QKeySequence(Qt::CTRL + Qt::Key_P)}, [window] { window->printButton->click(); });
    add({QKeySequence(Qt::CTRL + Qt::Key_C)}, [this] { copyPicture(); });
    add({Qt::Key_F11}, [window] { window->fullScreen->toggle(); });
    add({Qt::Key_Escape}, [window] { window->fullScreen->leave(); });
    add({QKeySequence(Qt::CTRL + Qt::Key_F11)}, [window] { window->projector->toggle(); });
    add({QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_F11)},
        [window] { window->projector->moveToNextScreen(); });

    nameKey(window->zoomInButton, QKeySequence(Qt::Key_Plus));
    nameKey(window->zoomOutButton, QKeySequence(Qt::Key_Minus));
    nameKey(window->zoomResetButton, QKeySequence(Qt::Key_0));
    nameKey(window->rotateButton, QKeySequence(Qt::Key_R));
    nameKey(window->freezeButton, QKeySequence(Qt::Key_F));
    nameKey(window->snapshotButton, QKeySequence(Qt::CTRL + Qt::Key_S));
    nameKey(window->printButton, QKeySequence(Qt::CTRL + Qt::Key_P));
}

void KeyboardCommands::add(const QList<QKeySequence> &keys, std::function<void()> command, bool repeats)
{
    QAction *action = new QAction(window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(repeats);
    connect(action, &QAction::triggered, this, [command] { command(); });
    window->addAction(action);
    commands.append(action);
}

QString KeyboardCommands::withKey(const QString &toolTip, const QKeySequence &key)
{
    //: Tool tip with its key: %1 is the tool tip, %2 the key (e.g. Zoom in (+)).
    return tr("%1 (%2)").arg(toolTip, key.toString(QKeySequence::NativeText));
}

void KeyboardCommands::nameKey(QWidget *button, const QKeySequence &key)
{
    button->setToolTip(withKey(button->toolTip(), key));
}

void KeyboardCommands::next()
{
    if (window->mode == PhotographMode)
        window->photographNextButton->click();
    else if (window->mode == FilmMode)
        window->filmSource->seekBy(FilmStepMs);
}

void KeyboardCommands::previous()
{
    if (window->mode == PhotographMode)
        window->photographPreviousButton->click();
    else if (window->mode == FilmMode)
        window->filmSource->seekBy(-FilmStepMs);
}

void KeyboardCommands::space()
{
    if (window->mode == PhotographMode)
        window->photographNextButton->click();
    else if (window->mode == FilmMode)
        filmPlayPause();
}

void KeyboardCommands::first()
{
    if (window->mode == PhotographMode && window->photographSource->count() > 0)
        window->photographSource->selectPhotograph(0);
    else if (window->mode == FilmMode)
        window->filmSource->seekBy(-window->filmSource->positionMs());
}

void KeyboardCommands::last()
{
    if (window->mode == PhotographMode && window->photographSource->count() > 0)
        window->photographSource->selectPhotograph(window->photographSource->count() - 1);
}

void KeyboardCommands::volumeBy(int step)
{
    if (window->mode != FilmMode)
        return;
    window->volumeSlider->setValue(window->volumeSlider->value() + step);
}

void KeyboardCommands::pausePicture()
{
    if (window->mode == LiveMode)
        window->freezeButton->click();
    else if (window->mode == FilmMode)
        filmPlayPause();
}

void KeyboardCommands::filmPlayPause()
{
    if (window->filmSource->isRunning())
        window->filmPauseButton->click();
    else
        window->filmPlayButton->click();
}

void KeyboardCommands::copyPicture()
{
    const QImage picture = window->currentCanvas->currentImage();
    if (picture.isNull())
        return;
    QGuiApplication::clipboard()->setImage(picture, QClipboard::Clipboard);
}
