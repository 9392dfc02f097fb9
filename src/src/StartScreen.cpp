#include "StartScreen.h"

#include <QFont>
#include <QPainter>

const QSize StartScreen::Size(800, 600);

namespace {

const QString Artwork = QStringLiteral(":/icons/Background/MAIN_WINDOWS.png");
// The artwork keeps its upper part for the camera; the words go below this line.
const int TextTop = 390;
const int SideMargin = 40;
const QColor HeadingColour(255, 255, 255);
const QColor BodyColour(176, 182, 190);

QFont textFont(int pixelSize, int weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QImage artwork()
{
    QImage art = QImage(Artwork).convertToFormat(QImage::Format_RGB32);
    if (art.size() != StartScreen::Size)
        art = art.scaled(StartScreen::Size);
    return art;
}

} // namespace

QImage StartScreen::cameraPicture(const QStringList &lines)
{
    QImage picture = artwork();
    drawLines(picture, lines);
    return picture;
}

QImage StartScreen::buttonPicture(const QImage &button, const QStringList &lines)
{
    QImage picture(Size, QImage::Format_RGB32);
    const QImage art = artwork();
    // The artwork's corner is its plain backdrop.
    picture.fill(art.isNull() ? QColor(32, 35, 40) : art.pixelColor(0, 0));
    if (!button.isNull()) {
        QSize shown = button.size() * 4;
        if (shown.width() > 200 || shown.height() > 160)
            shown.scale(200, 160, Qt::KeepAspectRatio);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint((Size.width() - shown.width()) / 2, 330 - shown.height()), shown),
                          button);
    }
    drawLines(picture, lines);
    return picture;
}

void StartScreen::drawLines(QImage &picture, const QStringList &lines)
{
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int width = picture.width() - 2 * SideMargin;
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    int y = TextTop;
    for (int i = 0; i < lines.size(); ++i) {
        const bool heading = i == 0;
        painter.setFont(heading ? textFont(32, QFont::Bold) : textFont(18, QFont::Normal));
        painter.setPen(heading ? HeadingColour : BodyColour);
        const QRect room(SideMargin, y, width, picture.height() - y);
        const QRect used = painter.boundingRect(room, flags, lines.at(i));
        painter.drawText(room, flags, lines.at(i));
        y = used.bottom() + (heading ? 18 : 8);
    }
}
