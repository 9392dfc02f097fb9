#include "OSDProcessor.h"

#include "CanvasConstants.h"
#include "ImageCanvas.h"
#include "LiveSourceBase.h"
#include "ThreadHandOver.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QThread>

#include <algorithm>

namespace {

// The pictures are small and read at each command; nothing is cached.
QImage osdPicture(const QString &name)
{
    return QImage(QStringLiteral(":/icons/OSD/") + name);
}

QString twoDigits(qint64 number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

OSDProcessor::OSDProcessor(QObject *parent, ImageCanvas *canvas)
    : QObject(parent)
    , canvas(canvas)
{
    monotonic.start();
}

void OSDProcessor::setLiveSource(LiveSourceBase *source)
{
    this->source = source;
}

LiveSourceBase *OSDProcessor::liveSource() const
{
    return source;
}

void OSDProcessor::setClock(Clock clock)
{
    this->clock = std::move(clock);
}

qint64 OSDProcessor::now() const
{
    return clock ? clock() : monotonic.elapsed();
}

bool OSDProcessor::isDue(qint64 start, qint64 period, qint64 at) const
{
    return start != NotStarted && at - start < period;
}

QString OSDProcessor::zoomTextFor(double zoom, double minZoom)
{
    const int z = int(zoom);
    if (z < 1 && minZoom + 0.000001 > z)
        //: On-screen zoom badge: the picture is fitted to the window; keep it short, the badge
        //: grows to fit it.
        return tr("Best fit");
    return QStringLiteral("%1x").arg(z);
}

QString OSDProcessor::recordTimeText(qint64 elapsed)
{
    const qint64 s = elapsed / 1000;
    const qint64 hours = s / 3600;
    const qint64 minutes = (s - hours * 3600) / 60;
    const qint64 seconds = s - (s / 60) * 60;
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds);
}

void OSDProcessor::showZoomIn()
{
    noteChange();
    zoomStart = now();
    zoomImage = osdPicture(QStringLiteral("OSD_ZOOM_IN.png"));
    zoomText = zoomTextFor(canvas->zoom(), canvas->minZoom());
}

void OSDProcessor::showZoomOut()
{
    noteChange();
    zoomStart = now();
    zoomImage = osdPicture(QStringLiteral("OSD_ZOOM_OUT.png"));
    zoomText = zoomTextFor(canvas->zoom(), canvas->minZoom());
}

void OSDProcessor::showRotation()
{
    noteChange();
    rotateStart = now();
    rotateImage = osdPicture(QStringLiteral("OSD_ROTATE.png"));
    rotateText = QStringLiteral("%1").arg(canvas->rotation() * 90);
}

void OSDProcessor::showBrightness()
{
    noteChange();
    brightnessStart = now();
    brightnessMin = osdPicture(QStringLiteral("OSD_BRIGHTNESS_BK_MIN.png"));
    brightnessMax = osdPicture(QStringLiteral("OSD_BRIGHTNESS_BK_MAX.png"));
    brightnessShort = osdPicture(QStringLiteral("OSD_BRIGHTNESS_BK_SHORT.png"));
    brightnessLong = osdPicture(QStringLiteral("OSD_BRIGHTNESS_BK_LONG.png"));
    brightnessBar = osdPicture(QStringLiteral("OSD_BRIGHTNESS_BAR.png"));
    brightnessBarCenter = osdPicture(QStringLiteral("OSD_BRIGHTNESS_BAR_CENTER.png"));
}

void OSDProcessor::showAutoFocus()
{
    noteChange();
    autoFocusStart = now();
    autoFocusImage = osdPicture(QStringLiteral("OSD_AUTOFOCUS.png"));
}

void OSDProcessor::showFreeze()
{
    noteChange();
    freezeImage = osdPicture(QStringLiteral("OSD_FREEZE.png"));
}

void OSDProcessor::showMacro(bool on)
{
    noteChange();
    macroOn = on;
    macroImage = osdPicture(QStringLiteral("OSD_MACRO.png"));
}

void OSDProcessor::startRecordTime()
{
    noteChange();
    recordStart = now();
    timeImage = osdPicture(QStringLiteral("OSD_TIME.png"));
}

void OSDProcessor::stopRecordTime()
{
    noteChange();
    recordStart = NotStarted;
}

void OSDProcessor::showSnapshot()
{
    // Snapshot files are written on a thread of their own; the notice belongs to the thread that
    // paints.
    if (QThread::currentThread() != thread()) {
        ThreadHandOver::queue(this, [this] { showSnapshot(); });
        return;
    }
    noteChange();
    snapshotStart = now();
    snapshotImage = osdPicture(QStringLiteral("OSD_SNAPSHOT.png"));
}

void OSDProcessor::showMask()
{
    noteChange();
    maskStart = now();
    maskImage = osdPicture(QStringLiteral("OSD_MASK_%1.png").arg(CanvasConstants::maskKey(canvas->mask)));
}

void OSDProcessor::showEffect()
{
    noteChange();
    effectStart = now();
    const int effect = canvas->effect;
    effectImage = osdPicture(QStringLiteral("OSD_COLOR_%1.png").arg(CanvasConstants::effectKey(effect)));
    effectText = CanvasConstants::translatedEffectName(effect);
}

QFont OSDProcessor::captionFont()
{
    return QFont(QStringLiteral("Arial"), 11);
}

int OSDProcessor::captionRoom(const QImage &badge, const QString &text)
{
    const int pictureRoom = badge.width() - BadgeIconWidth;
    return qMax(pictureRoom, QFontMetrics(captionFont()).horizontalAdvance(text) + 2 * CaptionMargin);
}

// The text is centred in the part of the badge right of its icon. A text longer than that part
// widens the badge: its plain middle is stretched and its rounded end drawn after, away from the
// side it is anchored on.
void OSDProcessor::drawCaptioned(QPainter *painter, int x, int y, const QImage &image, const QString &text,
                                 Qt::Alignment anchoredOn)
{
    const int room = captionRoom(image, text);
    const int extra = room - (image.width() - BadgeIconWidth);
    if (anchoredOn & Qt::AlignRight)
        x -= extra;
    if (extra <= 0) {
        painter->drawImage(x, y, image);
    } else {
        const int endWidth = qMin(BadgeEndWidth, image.width() - BadgeIconWidth);
        const int middleFrom = image.width() - endWidth;
        painter->drawImage(QPoint(x, y), image, QRect(0, 0, middleFrom, image.height()));
        painter->drawImage(QRect(x + middleFrom, y, extra, image.height()), image,
                           QRect(middleFrom - 1, 0, 1, image.height()));
        painter->drawImage(QPoint(x + middleFrom + extra, y), image,
                           QRect(middleFrom, 0, endWidth, image.height()));
    }
    painter->setPen(Qt::white);
    painter->setFont(captionFont());
    const QFontMetrics metrics = painter->fontMetrics();
    const int baseline = y + (metrics.height() + image.height()) / 2;
    const int textX = x + BadgeIconWidth + (room - metrics.horizontalAdvance(text)) / 2;
    painter->drawText(textX, baseline, text);
}

void OSDProcessor::drawBrightness(QPainter *painter, int width, int height)
{
    const int level = source ? source->brightnessLevel() : 0;
    const int max = source ? source->brightnessMaxLevel() : 0;
    const int min = source ? source->brightnessMinLevel() : 0;
    const int mid = (min + max) / 2;

    const int total = brightnessShort.width() * (max - min) + brightnessLong.width() + brightnessMax.width()
                      + brightnessMin.width();
    int x = (width - total) / 2;
    const int y = height - 50;
    painter->drawImage(x, y, brightnessMin);
    x += brightnessMin.width();
    for (int v = min; v <= max; ++v) {
        if (v == mid) {
            painter->drawImage(x, y, brightnessLong);
            if (v == level)
                painter->drawImage(x + 4, y + 10, brightnessBarCenter);
            x += brightnessLong.width();
            continue;
        }
        painter->drawImage(x, y, brightnessShort);
        if (v == level)
            painter->drawImage(x + 5, y + 13, brightnessBar);
        x += brightnessShort.width();
    }
    painter->drawImage(x, y, brightnessMax);
}

void OSDProcessor::drawRecordTime(QPainter *painter, int width, int height, qint64 at)
{
    const int x0 = (width - timeImage.width()) / 2;
    painter->drawImage(x0, height - 100, timeImage);
    const QString text = recordTimeText(at - recordStart);
    painter->setPen(Qt::red);
    painter->setFont(QFont(QStringLiteral("Arial"), 15, 75));
    const QFontMetrics metrics = painter->fontMetrics();
    const int baseline = height - 103 + (metrics.height() + timeImage.height()) / 2;
    painter->drawText(x0 + (timeImage.width() - metrics.horizontalAdvance(text)) / 2, baseline, text);
}

void OSDProcessor::drawClip(QPainter *painter, qint64 at)
{
    // While a selection is being dragged the outline stays lit; once it is taken it blinks.
    const QRect selection = canvas->clipRect();
    if (selection.right() >= selection.left() && selection.bottom() >= selection.top()) {
        clipRect = canvas->clipRectOnWidget();
        clipStart = at;
    }
    if (!isDue(clipStart, clipTime, at))
        return;
    if ((at - clipStart) / 100 % 2 != 0)
        return;
    painter->setPen(QPen(Qt::black));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(clipRect);
}

void OSDProcessor::paintOsd(QPainter *painter)
{
    if (!painter || !canvas)
        return;
    const int w = canvas->width();
    const int h = canvas->height();
    const qint64 at = now();
    paintedAt = at;
    paintedRevision = revision;
    painter->save();

    if (isDue(maskStart, displayTime, at))
        painter->drawImage(30, h - 50, maskImage);
    if (isDue(effectStart, displayTime, at))
        drawCaptioned(painter, 75, h - 50, effectImage, effectText, Qt::AlignLeft);
    if (isDue(brightnessStart, displayTime, at))
        drawBrightness(painter, w, h);
    if (isDue(zoomStart, displayTime, at))
        drawCaptioned(painter, w - 100, h - 50, zoomImage, zoomText, Qt::AlignRight);
    if (isDue(rotateStart, displayTime, at))
        drawCaptioned(painter, w - 100, h - 100, rotateImage, rotateText, Qt::AlignRight);
    if (isDue(autoFocusStart, displayTime, at))
        painter->drawImage(w - 145, h - 50, autoFocusImage);
    if (canvas->frozen)
        painter->drawImage(w - 190, h - 50, freezeImage);
    if (macroOn)
        painter->drawImage(w - 235, h - 50, macroImage);
    if (recordStart != NotStarted)
        drawRecordTime(painter, w, h, at);
    if (isDue(snapshotStart, snapshotTime, at))
        painter->drawImage(10, 10, snapshotImage);
    drawClip(painter, at);
    drawNotice(painter, w);
    if (isDue(messageStart, messageLength, at))
        drawMessage(painter, w, h);

    painter->restore();
}

qint64 OSDProcessor::nextChangeAfter(qint64 at) const
{
    qint64 next = NoChange;
    const auto endsAt = [&](qint64 start, qint64 period) {
        if (start != NotStarted && start + period > at)
            next = std::min(next, start + period);
    };
    endsAt(maskStart, displayTime);
    endsAt(effectStart, displayTime);
    endsAt(brightnessStart, displayTime);
    endsAt(zoomStart, displayTime);
    endsAt(rotateStart, displayTime);
    endsAt(autoFocusStart, displayTime);
    endsAt(snapshotStart, snapshotTime);
    endsAt(messageStart, messageLength);
    // The outline turns on or off every 100 ms until it is over; the clock shows whole seconds.
    if (clipStart != NotStarted && at >= clipStart && at - clipStart < clipTime)
        next = std::min(next, clipStart + ((at - clipStart) / 100 + 1) * 100);
    if (recordStart != NotStarted && at >= recordStart)
        next = std::min(next, recordStart + ((at - recordStart) / 1000 + 1) * 1000);
    return next;
}

qint64 OSDProcessor::nextChangeAt() const
{
    return nextChangeAfter(paintedAt);
}

bool OSDProcessor::needsRepaint() const
{
    if (revision != paintedRevision)
        return true;
    const qint64 next = nextChangeAt();
    return next != NoChange && next <= now();
}

void OSDProcessor::setNotice(const QString &text)
{
    if (text == noticeText)
        return;
    noticeText = text;
    noteChange();
    if (canvas)
        canvas->update();
}

void OSDProcessor::showMessage(const QString &text)
{
    showMessage(text, messageTime);
}

void OSDProcessor::showMessage(const QString &text, qint64 duration)
{
    messageLength = duration;
    messageText = text;
    messageStart = now();
    noteChange();
    if (canvas)
        canvas->update();
}

QString OSDProcessor::message() const
{
    return isDue(messageStart, messageLength, now()) ? messageText : QString();
}

namespace {
const int BoxMargin = 12;
const int BoxPadding = 8;
} // namespace

void OSDProcessor::drawBoxedText(QPainter *painter, const QRect &room, Qt::Alignment edge,
                                 const QString &text)
{
    painter->setFont(QFont(QStringLiteral("Arial"), 11));
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    QRect bounds = painter->fontMetrics().boundingRect(room, flags, text);
    if (edge & Qt::AlignBottom)
        bounds.moveBottom(room.bottom());
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 0, 160));
    painter->drawRoundedRect(bounds.adjusted(-BoxPadding, -BoxPadding, BoxPadding, BoxPadding), 6, 6);
    painter->setPen(Qt::white);
    painter->drawText(bounds, flags, text);
}

void OSDProcessor::drawNotice(QPainter *painter, int width)
{
    if (noticeText.isEmpty())
        return;
    const int inset = BoxMargin + BoxPadding;
    drawBoxedText(painter, QRect(inset, inset, qMax(0, width - 2 * inset), 1000), Qt::AlignTop,
                  noticeText);
}

// Above the row of the rotation item and the recording clock, so neither hides it.
void OSDProcessor::drawMessage(QPainter *painter, int width, int height)
{
    const int inset = BoxMargin + BoxPadding;
    const int bottom = height - 110 - BoxPadding;
    drawBoxedText(painter, QRect(inset, 0, qMax(0, width - 2 * inset), qMax(0, bottom)),
                  Qt::AlignBottom, messageText);
}
