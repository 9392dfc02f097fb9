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
    if (text().isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(text())) / 2;
    const int y = (metrics.height() + height()) / 2 - 3;
    painter.setFont(font());
    painter.setPen(textColor.isValid() ? textColor : QColor(Qt::black));
    painter.drawText(x, y, text());
}
