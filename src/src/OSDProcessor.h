#ifndef OSDPROCESSOR_H
#define OSDPROCESSOR_H

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>

#include <functional>
#include <limits>

class ImageCanvas;
class LiveSourceBase;
class QPainter;

// Short-lived status pictures over a canvas: zoom, rotation, brightness scale, mask, colour
// effect, autofocus, freeze and macro markers, the recording clock, the snapshot flash and the
// blinking outline of a fresh clip. Commands only note what happened and when; the canvas calls
// paintOsd() from its paint handler and every item still due is drawn. The display never
// repaints by itself: items come and go with the canvas's own repaints, and needsRepaint() tells
// a resting canvas whether there is anything to repaint for.
//
// paintOsd runs outside the canvas lock, so what it reads from the canvas and the camera (the
// brightness levels) never waits for, or holds up, a frame.
class OSDProcessor : public QObject
{
    Q_OBJECT

public:
    OSDProcessor(QObject *parent, ImageCanvas *canvas);

    void showZoomIn();
    void showZoomOut();
    void showRotation();
    void showBrightness();
    void showAutoFocus();
    void showFreeze();
    void showMacro(bool on);
    void startRecordTime();
    void stopRecordTime();
    // May be called from any thread: the notice is taken over on the display's own thread.
    void showSnapshot();
    void showMask();
    void showEffect();

    void paintOsd(QPainter *painter);

    // What paintOsd draws changes by itself only when a timed item goes, the clip outline blinks
    // or the recording clock turns a second. nextChangeAt() is the first such moment after the
    // last paint on the display's clock (NoChange when nothing will change); needsRepaint() is
    // true once that moment has come or an operation changed what is shown since the last paint.
    static constexpr qint64 NoChange = std::numeric_limits<qint64>::max();
    qint64 nextChangeAt() const;
    bool needsRepaint() const;

    // A standing sentence across the top of the canvas (the live canvas says there which cameras
    // it sees while it waits); empty takes it away. It stays until it is changed.
    void setNotice(const QString &text);
    QString notice() const { return noticeText; }

    // A sentence shown for messageTime in the lower middle of the canvas: what a command did, or
    // why it did nothing. message() is the sentence while it is shown, else empty.
    void showMessage(const QString &text);
    QString message() const;
    // The same for a shorter or longer time: brief acknowledgements such as "Undo" or "Saved".
    void showMessage(const QString &text, qint64 duration);

    // The camera whose brightness scale is drawn; read at every paint while the scale is due.
    // Null, closed or deleted draws a scale of zero levels.
    void setLiveSource(LiveSourceBase *source);
    LiveSourceBase *liveSource() const;

    // Milliseconds on a monotonic clock. The display keeps its own; tests hand in theirs.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock);

    // "Best fit" below 1 when the picture is fitted, else the magnification: the whole zoom.
    static QString zoomTextFor(double zoom, double minZoom);
    // The recording clock shows from startRecordTime() until stopRecordTime().
    bool isRecordTimeRunning() const { return recordStart != NotStarted; }
    // hh:mm:ss of a recording that has run for the given milliseconds.
    static QString recordTimeText(qint64 elapsed);
    // A badge's caption: its font, and the width its text gets (the part of the picture right of
    // the icon, or more for a longer text).
    static QFont captionFont();
    static int captionRoom(const QImage &badge, const QString &text);
    static constexpr int BadgeIconWidth = 38;
    static constexpr int CaptionMargin = 4;
    static constexpr int BadgeEndWidth = 8;

    static constexpr qint64 displayTime = 1000;
    static constexpr qint64 snapshotTime = 500;
    static constexpr qint64 clipTime = 900;
    static constexpr qint64 messageTime = 3000;

    QImage maskImage;
    QImage effectImage;
    QImage zoomImage;
    QImage rotateImage;
    QImage autoFocusImage;
    QImage freezeImage;
    QImage macroImage;
    QString effectText;
    QString zoomText;
    QString rotateText;
    QImage brightnessMin;
    QImage brightnessMax;
    QImage brightnessShort;
    QImage brightnessLong;
    QImage brightnessBar;
    QImage brightnessBarCenter;
    QImage timeImage;
    QImage snapshotImage;
    ImageCanvas *canvas;
    bool macroOn = false;
    QRectF clipRect;

private:
    // An item that has not been started since construction (or was stopped) is never due.
    static constexpr qint64 NotStarted = -1;

    qint64 now() const;
    void noteChange() { ++revision; }
    qint64 nextChangeAfter(qint64 at) const;
    bool isDue(qint64 start, qint64 period, qint64 at) const;
    // Draws the badge at (x, y), widened where its caption needs it: to the right when anchored
    // on the left, to the left when anchored on the right.
    void drawCaptioned(QPainter *painter, int x, int y, const QImage &image, const QString &text,
                       Qt::Alignment anchoredOn);
    void drawBrightness(QPainter *painter, int width, int height);
    void drawRecordTime(QPainter *painter, int width, int height, qint64 at);
    void drawClip(QPainter *painter, qint64 at);
    void drawNotice(QPainter *painter, int width);
    void drawMessage(QPainter *painter, int width, int height);
    // Wrapped white text on a dark rounded box, centred in the width of room, its top or bottom
    // at room's edge as alignment says.
    static void drawBoxedText(QPainter *painter, const QRect &room, Qt::Alignment edge,
                              const QString &text);

    QPointer<LiveSourceBase> source;
    QString noticeText;
    QString messageText;
    QElapsedTimer monotonic;
    Clock clock;

    // Start times of the timed items on the display's clock.
    qint64 maskStart = NotStarted;
    qint64 effectStart = NotStarted;
    qint64 brightnessStart = NotStarted;
    qint64 zoomStart = NotStarted;
    qint64 rotateStart = NotStarted;
    qint64 clipStart = NotStarted;
    qint64 autoFocusStart = NotStarted;
    qint64 recordStart = NotStarted;
    qint64 snapshotStart = NotStarted;
    qint64 messageStart = NotStarted;
    qint64 messageLength = messageTime;

    // Counts the operations that changed what is shown; with the time of the last paint it tells
    // whether a repaint would draw anything new.
    quint64 revision = 0;
    quint64 paintedRevision = 0;
    qint64 paintedAt = 0;
};

#endif
