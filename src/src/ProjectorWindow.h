#ifndef PROJECTORWINDOW_H
#define PROJECTORWINDOW_H

#include "ImageCanvas.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>

// A frameless full-screen copy of a canvas's output picture on a screen of its own, for the
// audience: drawings, effect, mask and zoom, but none of the display's status items. It paints
// the canvas's own output (a shared picture, no copy, no conversion of its own) and repaints only
// when the canvas has made a new one.
class ProjectorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProjectorWindow(QScreen *screen);

    void showCanvas(ImageCanvas *canvas);
    ImageCanvas *canvas() const { return shown; }
    QScreen *targetScreen() const { return target; }
    // Puts the window full screen on the screen.
    void moveToScreen(QScreen *screen);
    // The cache key of the output picture the last paint drew; 0 before the first.
    qint64 paintedPictureKey() const { return paintedKey; }
    // Paints of a picture so far.
    quint64 pictureCount() const { return pictures; }

    // The screen for a projector window: the remembered one when it is present and not the
    // presenter's, else the first screen that is not the presenter's; null with only one screen.
    static QScreen *chooseScreen(const QList<QScreen *> &screens, QScreen *presenter,
                                 const QString &rememberedName);

signals:
    // Its screen went away: the window closes and deletes itself later.
    void screenGone();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void newOutput();
    void screenRemoved(QScreen *screen);

private:
    QPointer<ImageCanvas> shown;
    QPointer<QScreen> target;
    qint64 paintedKey = 0;
    quint64 pictures = 0;
};

#endif
