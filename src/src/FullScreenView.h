#ifndef FULLSCREENVIEW_H
#define FULLSCREENVIEW_H

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QVector>

class ImageButton;
class MainWindow;
class QWidget;

// Shows the main window's current canvas alone on the window's screen, and back. The canvas
// itself is what fills the screen, so its pictures, drawings and any running recording go on
// exactly as before. While it is shown, a small strip of tools appears when the pointer nears the
// bottom edge. A double click on a canvas switches too.
class FullScreenView : public QObject
{
    Q_OBJECT

public:
    explicit FullScreenView(MainWindow *window);

    bool isActive() const { return active; }
    QWidget *toolStrip() const { return strip; }
    // Called after the window has laid out its children: the canvases cover it all again.
    void fitToWindow();
    // Shows or hides the strip for a pointer at this point of the screen.
    void pointerAt(const QPoint &globalPosition);

    // How near the bottom edge, in pixels, the pointer brings up the strip.
    static constexpr int EdgeZone = 48;

public slots:
    void enter();
    void leave();
    void toggle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void pollPointer();

private:
    void buildStrip();
    ImageButton *mirror(ImageButton *source);
    // Lays out the strip's buttons for the tools the panel offers in the current mode.
    void arrangeStrip();
    void placeStrip();

    MainWindow *window;
    QWidget *strip = nullptr;
    // Each strip button with the panel button it stands for.
    QVector<QPair<ImageButton *, ImageButton *>> mirrors;
    ImageButton *backButton = nullptr;
    QTimer pointerTimer;
    bool active = false;
    bool wasMaximized = false;
    QRect normalGeometry;
    // The sibling the canvases sat under before they were raised over everything.
    QPointer<QWidget> above;
};

#endif
