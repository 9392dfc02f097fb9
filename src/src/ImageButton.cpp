#include "ImageButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(QString name, QWidget *parent, int x, int y)
    : QPushButton(parent)
{
    setImage(name);
    setFlat(true);
    holdTimer.setSingleShot(true);
    holdTimer.setInterval(HoldInterval);
    connect(&holdTimer, SIGNAL(timeout()), this, SIGNAL(hold()));
    move(x, y);
}

ImageButton::ImageButton(QString name, QString toolTip, QWidget *parent, int x, int y)
    : ImageButton(name, parent, x, y)
{
    setToolTip(toolTip);
}

void ImageButton::setImage(QString name)
{
    imageName = name;
    normalImage = QImage(QStringLiteral(":/icons/Normal/%1.png").arg(name));
    clickImage = QImage(QStringLiteral(":/icons/Click/%1.png").arg(name));
    if (clickImage.isNull())
        clickImage = normalImage;
    overImage = QImage(QStringLiteral(":/icons/Over/%1.png").arg(name));
    if (overImage.isNull())
        overImage = normalImage;
    setFixedSize(normalImage.size());
    update();
}

void ImageButton::setOptionsMark(bool on)
{
    if (on == optionsMark)
        return;
    optionsMark = on;
    //: Second line of a tool tip: a long press on the button opens its options window.
    if (on && !toolTip().endsWith(tr("Hold for options")))
        setToolTip(optionsToolTip(toolTip()));
    update();
}

QString ImageButton::optionsToolTip(const QString &toolTip)
{
    const QString hint = tr("Hold for options");
    return toolTip.isEmpty() ? hint : toolTip + QLatin1Char('\n') + hint;
}

void ImageButton::setTextColor(QColor color)
{
    textColor = color;
}

const QImage &ImageButton::currentImage() const
{
    if (isDown() || isChecked())
        return clickImage;
    if (hovered)
        return overImage;
    return normalImage;
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && !holdTimer.isActive())
        holdTimer.start();
    QPushButton::mousePressEvent(event);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        holdTimer.stop();
    QPushButton::mouseReleaseEvent(event);
}

void ImageButton::focusOutEvent(QFocusEvent *event)
{
    // A long press usually opens a tool window, which may take the focus. The press goes on
    // regardless: the button still owes its click at release.
    if (isDown()) {
        QWidget::focusOutEvent(event);
        return;
    }
    QPushButton::focusOutEvent(event);
}

void ImageButton::enterEvent(QEvent *event)
{
    Q_UNUSED(event);
    hovered = true;
    // A resize cursor left over from the window frame must not stay on top of a button.
    setCursor(Qt::ArrowCursor);
    update();
}

void ImageButton::leaveEvent(QEvent *event)
{
    Q_UNUSED(event);
    hovered = false;
    update();
}

void ImageButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawImage(0, 0, currentImage());
    if (optionsMark)
        paintOptionsMark(painter);
    if (text().isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(text())) / 2;
    const int y = (metrics.height() + height()) / 2 - 3;
    painter.setFont(font());
    painter.setPen(textColor.isValid() ? textColor : QColor(Qt::black));
    painter.drawText(x, y, text());
}

void ImageButton::paintOptionsMark(QPainter &painter)
{
    // The glyphs' ink: grey at rest, white under the pointer, pressed or checked.
    const bool lit = hovered || isDown() || isChecked();
    const QColor ink = lit ? QColor(255, 255, 255) : QColor(214, 214, 214);
    const qreal side = qMax(4.0, qMin(width(), height()) * 0.2);
    const QPointF corner(width() - 3, height() - 3);
    const QPointF triangle[3] = {corner, corner - QPointF(side, 0), corner - QPointF(0, side)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(triangle, 3);
    painter.restore();
}
