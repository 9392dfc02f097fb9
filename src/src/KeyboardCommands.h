#ifndef KEYBOARDCOMMANDS_H
#define KEYBOARDCOMMANDS_H

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class MainWindow;
class QAction;
class QWidget;

// The keys of the main window, and of the presenter remotes that send keys (Page Up / Page
// Down, arrows, B, period). Each key is a window-wide shortcut, so it works whichever button has
// the focus; only the text editor of the text tool keeps the keys it types with. Most keys click
// the panel's own buttons, so a key does exactly what its button does, and nothing where the
// button is not offered in the current mode.
//
// Keys: Right / Page Down / Space next photograph, Left / Page Up previous, Home / End first
// and last; in Film Space plays or pauses, Left / Right go five seconds back or forward, Up /
// Down change the volume; + / - / 0 zoom in, out and best fit; R rotates; F freezes the live
// picture; B and period pause the picture (freeze in Live, play / pause in Film); Ctrl+S takes
// a snapshot; Ctrl+P prints; Ctrl+C copies the whole shown picture; F11 switches full screen and
// Esc leaves it; Ctrl+F11 opens or closes the projector window, Ctrl+Shift+F11 moves it to the
// next screen.
class KeyboardCommands : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardCommands(MainWindow *window);

    // The step of the film keys, in milliseconds.
    static constexpr int FilmStepMs = 5000;
    // The step of the volume keys on the volume slider.
    static constexpr int VolumeStep = 10;

    // The actions of the table, one per command, all installed on the main window.
    QList<QAction *> actions() const { return commands; }

    // "Zoom in (+)": a tool tip naming its key.
    static QString withKey(const QString &toolTip, const QKeySequence &key);

private:
    void add(const QList<QKeySequence> &keys, std::function<void()> command, bool repeats = false);
    void nameKey(QWidget *button, const QKeySequence &key);

    void next();
    void previous();
    void space();
    void first();
    void last();
    void volumeBy(int step);
    void pausePicture();
    void filmPlayPause();
    void copyPicture();

    MainWindow *window;
    QList<QAction *> commands;
};

#endif
