#include "Picture.h"

#include "Palette.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

// Review pictures: every picture on the window colour, and the pictures put together the way the
// program lays them out. Neither goes into the resource tree.

namespace {

const int sheetWidth = 1500;
const int gap = 14;

QFont labelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    return font;
}

class Flow
{
public:
    explicit Flow(QPainter &painter) : p(painter) {}

    void heading(const QString &text)
    {
        newLine();
        y += 10;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(gap, y + 15, text);
        y += 26;
    }

    // Places a cell of the given size with a caption under it, wrapping at the sheet width.
    QPoint cell(QSize size, const QString &caption)
    {
        const QFontMetrics metrics(labelFont());
        const int width = qMax(size.width(), metrics.horizontalAdvance(caption));
        if (x + width > sheetWidth - gap)
            newLine();
        const QPoint at(x, y);
        p.setFont(labelFont());
        p.setPen(QColor(170, 170, 170));
        p.drawText(x, y + size.height() + 12, caption);
        x += width + gap;
        rowHeight = qMax(rowHeight, size.height() + 18);
        return at;
    }

    void newLine()
    {
        if (x > gap)
            y += rowHeight + gap;
        x = gap;
        rowHeight = 0;
    }

    int bottom() const { return y + rowHeight + gap; }

private:
    QPainter &p;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
};

void layOut(QPainter &p, const QVector<Picture> &pictures, Flow &flow)
{
    QHash<QString, QImage> byPath;
    for (const Picture &picture : pictures)
        byPath.insert(picture.path, picture.image);

    flow.heading(QStringLiteral("Buttons: Normal, Over, Click"));
    for (const Picture &picture : pictures) {
        if (!picture.path.startsWith(QLatin1String("Normal/")))
            continue;
        const QString name = picture.path.mid(7).chopped(4);
        const QSize size = picture.image.size();
        const QPoint at = flow.cell(QSize(size.width() * 3 + 8, size.height()), name);
        p.drawImage(at, picture.image);
        p.drawImage(at + QPoint(size.width() + 4, 0), byPath.value("Over/" + name + ".png"));
        p.drawImage(at + QPoint(2 * size.width() + 8, 0), byPath.value("Click/" + name + ".png"));
    }
    for (const QString &folder : {QStringLiteral("OSD/"), QStringLiteral("Background_Sub/"), QStringLiteral("Background/")}) {
        flow.heading(folder.chopped(1));
        for (const Picture &picture : pictures) {
            if (!picture.path.startsWith(folder))
                continue;
            const QString name = picture.path.mid(folder.size()).chopped(4);
            p.drawImage(flow.cell(picture.image.size(), name), picture.image);
        }
    }
}

} // namespace

QImage contactSheet(const QVector<Picture> &pictures)
{
    // Lay out once on a scratch picture to learn the height, then draw for real.
    QImage scratch(sheetWidth, 10, QImage::Format_ARGB32_Premultiplied);
    int height = 0;
    {
        QPainter p(&scratch);
        Flow flow(p);
        layOut(p, pictures, flow);
        height = flow.bottom();
    }
    QImage sheet(sheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Palette::frame);
    QPainter p(&sheet);
    Flow flow(p);
    layOut(p, pictures, flow);
    return sheet;
}

namespace {

class Mockup
{
public:
    Mockup(QPainter &painter, const QVector<Picture> &pictures) : p(painter)
    {
        for (const Picture &picture : pictures)
            images.insert(picture.path, picture.image);
    }

    QImage image(const QString &path) const { return images.value(path); }

    QImage button(const QString &name, const QString &state = QStringLiteral("Normal")) const
    {
        return image(state + "/" + name + ".png");
    }

    // As a picture button paints: the picture, then its caption centred with the baseline rule.
    void drawButton(QPoint at, const QString &name, const QString &state = QStringLiteral("Normal"),
                    const QString &caption = QString(), const QFont &font = QFont(), const QColor &colour = Qt::black)
    {
        const QImage picture = button(name, state);
        p.drawImage(at, picture);
        if (caption.isEmpty())
            return;
        p.setFont(font);
        p.setPen(colour);
        const QFontMetrics metrics(font);
        p.drawText(at.x() + (picture.width() - metrics.horizontalAdvance(caption)) / 2,
                   at.y() + (metrics.height() + picture.height()) / 2 - 3, caption);
    }

    void drawCaptioned(QPoint at, const QImage &picture, const QString &text)
    {
        p.drawImage(at, picture);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(11);
        p.setFont(font);
        p.setPen(Qt::white);
        const QFontMetrics metrics(font);
        p.drawText(at.x() + (picture.width() - metrics.horizontalAdvance(text) - 38) / 2 + 38,
                   at.y() + (metrics.height() + picture.height()) / 2, text);
    }

    void frame(int w, int h)
    {
        const QString sub = QStringLiteral("Background_Sub/VIDEO_FRAME_%1.png");
        const QImage topMid = image(sub.arg("TOP_MID")).scaled(w - 82, 52);
        const QImage midLeft = image(sub.arg("MID_LEFT")).scaled(3, h - 81);
        const QImage midRight = image(sub.arg("MID_RIGHT")).scaled(3, h - 52 - 81);
        const QImage bottomMid = image(sub.arg("BOT_MID")).scaled(w - 21, 81);
        p.drawImage(0, 0, topMid);
        p.drawImage(w - 82, 0, image(sub.arg("TOP_RIGHT")));
        p.drawImage(0, 0, midLeft);
        p.drawImage(w - 3, 52, midRight);
        p.drawImage(0, h - 81, image(sub.arg("BOT_LEFT")));
        p.drawImage(10, h - 81, bottomMid);
        p.drawImage(w - 11, h - 81, image(sub.arg("BOT_RIGHT")));
        p.fillRect(QRect(QPoint(3, 52), QPoint(w - 4, h - 82)), image(sub.arg("MID_MID")).pixelColor(0, 0));
        drawButton({w - 79, 4}, "WINDOWS_MIN");
        drawButton({w - 59, 4}, "WINDOWS_MAX", "Over");
        drawButton({w - 38, 4}, "WINDOWS_CLOSE");
    }

    void panel(QPoint at, int height, const QVector<QPair<QString, QStringList>> &groups)
    {
        const QString sub = QStringLiteral("Background_Sub/ICON_BK_%1.png");
        p.drawImage(at, image(sub.arg("TOP")));
        p.drawImage(at + QPoint(0, 10), image(sub.arg("MID")).scaled(135, height - 20));
        p.drawImage(at + QPoint(0, height - 10), image(sub.arg("BOT")));
        QFont titleFont(QStringLiteral("Arial"), 10);
        int y = at.y() + 5;
        for (const auto &group : groups) {
            drawButton({at.x(), y}, "TOOL_TITLE_OPEN", "Normal", group.first, titleFont, Qt::white);
            y += 20;
            for (int i = 0; i < group.second.size(); i += 2) {
                int rowHeight = 0;
                for (int j = i; j < qMin(i + 2, group.second.size()); ++j) {
                    QString name = group.second[j];
                    QString state = QStringLiteral("Normal");
                    if (name.startsWith('*')) {
                        state = QStringLiteral("Click");
                        name.remove(0, 1);
                    } else if (name.startsWith('~')) {
                        state = QStringLiteral("Over");
                        name.remove(0, 1);
                    }
                    drawButton({at.x() + (j - i) * 65, y}, name, state);
                    rowHeight = qMax(rowHeight, button(name).height());
                }
                y += rowHeight;
            }
        }
    }

    void canvas(const QRect &area, const QImage &picture)
    {
        p.fillRect(area.adjusted(2, 2, -2, -2), Qt::black);
        const qreal s = qMin(area.width() / qreal(picture.width()), area.height() / qreal(picture.height()));
        const QSize shown(int(picture.width() * s), int(picture.height() * s));
        p.drawImage(QRect(area.topLeft() + QPoint((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2),
                          shown), picture);
    }

    void canvasFrame(const QRect &area)
    {
        p.setPen(QPen(QColor("#484848"), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(area.left() + 1, area.top() + 1, area.width() - 3, area.height() - 3));
    }

    void osd(const QRect &area)
    {
        const int w = area.width();
        const int h = area.height();
        const QPoint o = area.topLeft();
        const QString folder = QStringLiteral("OSD/%1.png");
        p.drawImage(o + QPoint(30, h - 50), image(folder.arg("OSD_MASK_CIRCLE")));
        drawCaptioned(o + QPoint(75, h - 50), image(folder.arg("OSD_COLOR_NEGATIVE")), QStringLiteral("Negative"));
        // Brightness scale from -5 to 5 at level 2.
        const QImage small = image(folder.arg("OSD_BRIGHTNESS_BK_SHORT"));
        const QImage mid = image(folder.arg("OSD_BRIGHTNESS_BK_LONG"));
        const QImage low = image(folder.arg("OSD_BRIGHTNESS_BK_MIN"));
        const QImage high = image(folder.arg("OSD_BRIGHTNESS_BK_MAX"));
        const int total = small.width() * 10 + mid.width() + low.width() + high.width();
        int x = o.x() + (w - total) / 2;
        const int y = o.y() + h - 50;
        p.drawImage(x, y, low);
        x += low.width();
        for (int v = -5; v <= 5; ++v) {
            if (v == 0) {
                p.drawImage(x, y, mid);
                x += mid.width();
                continue;
            }
            p.drawImage(x, y, small);
            if (v == 2)
                p.drawImage(x + 5, y + 13, image(folder.arg("OSD_BRIGHTNESS_BAR")));
            x += small.width();
        }
        p.drawImage(x, y, high);
        drawCaptioned(o + QPoint(w - 100, h - 50), image(folder.arg("OSD_ZOOM_IN")), QStringLiteral("2x"));
        drawCaptioned(o + QPoint(w - 100, h - 100), image(folder.arg("OSD_ROTATE")), QStringLiteral("90"));
        p.drawImage(o + QPoint(w - 145, h - 50), image(folder.arg("OSD_AUTOFOCUS")));
        p.drawImage(o + QPoint(w - 190, h - 50), image(folder.arg("OSD_FREEZE")));
        p.drawImage(o + QPoint(w - 235, h - 50), image(folder.arg("OSD_MACRO")));
        const QImage time = image(folder.arg("OSD_TIME"));
        const int x0 = o.x() + (w - time.width()) / 2;
        p.drawImage(x0, o.y() + h - 100, time);
        QFont clock(QStringLiteral("Arial"), 15, 75);
        p.setFont(clock);
        p.setPen(Qt::red);
        const QFontMetrics metrics(clock);
        const QString text = QStringLiteral("00:03:07");
        p.drawText(x0 + (time.width() - metrics.horizontalAdvance(text)) / 2,
                   o.y() + h - 103 + (metrics.height() + time.height()) / 2, text);
        p.drawImage(o + QPoint(10, 10), image(folder.arg("OSD_SNAPSHOT")));
    }

private:
    QPainter &p;
    QHash<QString, QImage> images;
};

QImage scenePhoto(QSize size)
{
    QImage photo(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(150, 190, 230));
    sky.setColorAt(1, QColor(235, 225, 200));
    p.fillRect(photo.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRect(size.width() / 5, size.height() / 6, size.width() * 3 / 5, size.height() * 2 / 3));
    p.setBrush(QColor(60, 60, 70));
    for (int i = 0; i < 12; ++i)
        p.drawRect(QRect(size.width() / 5 + 30, size.height() / 6 + 40 + i * 30, size.width() * 3 / 5 - 60 - (i % 3) * 40, 8));
    return photo;
}

} // namespace

QImage windowMockup(const QVector<Picture> &pictures)
{
    const int w = 938;
    const int h = 680;
    const int pad = 138;
    QImage image(w + 420, h + 330, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(20, 20, 20));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    Mockup m(p, pictures);

    // The main window in Live mode with the side panel open.
    m.frame(w, h);
    const QRect stack(pad + 36, 25, w - pad - 55, h - 100);
    m.canvas(stack, m.image("Background/MAIN_WINDOWS.png"));
    m.osd(stack);
    m.canvasFrame(stack);
    m.panel({40, 30}, h - 100,
            {{"Noting", {"ICON_LINE", "ICON_RETANGLE", "*ICON_FREEHAND", "ICON_CIRCLE", "ICON_ARROW", "ICON_TRIANGLE",
                         "ICON_ERASE", "ICON_TEXT", "ICON_ERASE_ALL", "ICON_COPY"}},
             {"Assisting", {"*ICON_MASK_CIRCLE", "ICON_EFFECT_NEGATIVE"}},
             {"Adjustment", {"ICON_ZOOM_OUT", "ICON_ZOOM_IN", "ICON_ZOOM_RESET", "ICON_AUTOFOCUS",
                             "ICON_BRIGHTNESS_REDUCE", "ICON_BRIGHTNESS_INCREASE", "~ICON_ROTATE", "ICON_FREEZE"}},
             {"Recording", {"ICON_RECORDING", "ICON_CAPTURE", "ICON_SETTING", "ICON_PRINT"}}});
    m.drawButton({4, 50}, "BUTTON_SIDE_CLOSE");
    QFont modeFont(QStringLiteral("Arial"), 11);
    m.drawButton({pad + 40, 5}, "MAIN_BUTTON", "Click", "Live", modeFont, Qt::white);
    m.drawButton({pad + 147, 5}, "MAIN_BUTTON", "Over", "Film", modeFont, Qt::white);
    m.drawButton({pad + 254, 5}, "MAIN_BUTTON", "Normal", "Photograph", modeFont, Qt::white);
    m.drawButton({pad + 361, 5}, "MAIN_BUTTON_LONG", "Normal", "Drawing Board", modeFont, Qt::white);
    m.drawButton({34, h - 55}, "AboutButton");
    m.drawButton({(w - pad - 60) / 2 + pad + 20, h - 60 + 5}, "ICON_LIVE_RECORDING", "Click");

    // Film and photograph bars with their sliders, under the window.
    int y = h + 20;
    const QImage filmBar = m.image("Background/FILM_CONTROL_BK.png");
    p.drawImage(20, y, filmBar);
    const QStringList film{"ICON_FILM_OPEN", "ICON_FILM_PLAY", "ICON_FILM_PAUSE", "ICON_FILM_STOP",
                           "ICON_FILM_BACKWARD", "ICON_FILM_FORWARD", "ICON_FILM_VOLUME"};
    for (int i = 0; i < film.size(); ++i)
        m.drawButton({20 + 20 + 40 * i, y + 5}, film[i], i == 1 ? "Click" : i == 3 ? "Over" : "Normal");
    const QImage volume = m.image("Background/POP_VOL_BK.png");
    p.drawImage(20 + filmBar.width(), y + filmBar.height() - volume.height(), volume);
    p.drawImage(20 + filmBar.width() + 11, y + filmBar.height() - volume.height() + 30,
                m.image("Background/TIME_SLIDE_ADJUSTMENT.png"));
    const QImage track = m.image("Background/FILM_SCROLL_BACKGROUND.png").scaled(747, 10);
    p.drawImage(20, y + 60, track);
    p.drawImage(20 + 250, y + 60, m.image("Background/FILM_SCROLL_BAR.png").scaled(22, 6));

    const QImage photoBar = m.image("Background/PHOTO_CONTROL_BK.png");
    const int photoX = 420;
    p.drawImage(photoX, y, photoBar);
    const QStringList photo{"ICON_PHOTO_OPEN", "ICON_PHOTO_BACKWARD", "ICON_PHOTO_SLIDE", "ICON_PHOTO_FORWARD",
                            "ICON_PHOTO_THUMBNIL", "ICON_PHOTO_TIME"};
    for (int i = 0; i < photo.size(); ++i)
        m.drawButton({photoX + 20 + 40 * i, y + 5}, photo[i], i == 4 ? "Click" : "Normal");
    p.drawImage(QRect(photoX + photoBar.width() + 10, y + 8, 160, 20), m.image("Background/TIME_SLIDE_BK_1.png"));
    p.drawImage(photoX + photoBar.width() + 10 + 40, y + 12, m.image("Background/TIME_SLIDE_ADJUSTMENT.png"));

    // Thumbnail strip over a photograph, with its scroll bar below.
    y += 90;
    const QRect photoArea(20, y, 747, 190);
    m.canvas(photoArea, scenePhoto(QSize(1280, 720)));
    m.canvasFrame(photoArea);
    p.drawImage(photoArea.left(), photoArea.bottom() - 67, m.image("Background/THUMBNIL_BAR.png").scaled(747, 60));
    for (int i = 0; i < 10; ++i) {
        const QRect thumb(photoArea.left() + 43 + i * 66, photoArea.bottom() - 67 + 5, 56, 50);
        p.fillRect(thumb, Qt::black);
        p.drawImage(thumb.adjusted(2, 6, -2, -6), scenePhoto(QSize(52, 38)));
        p.setPen(QPen(i == 3 ? Qt::red : Qt::gray, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(thumb.adjusted(1, 1, -1, -1));
    }
    p.drawImage(photoArea.left(), photoArea.bottom() + 1,
                m.image("Background/FILM_SCROLL_BACKGROUND.png").scaled(749, 10));
    p.drawImage(photoArea.left() + 6, photoArea.bottom() + 1, m.image("Background/PHOTO_SCROLL_BAR.png"));

    // Pop-up windows on the right.
    int px = w + 20;
    int py = 20;
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(14);
    QFont rowFont(QStringLiteral("Arial"));
    rowFont.setPixelSize(15);
    auto popup = [&](const QString &background, const QString &title) {
        const QImage picture = m.image("Background/" + background + ".png");
        p.drawImage(px, py, picture);
        p.setFont(titleFont);
        p.setPen(Qt::white);
        p.drawText(px + 8, py + 2 + QFontMetrics(titleFont).ascent(), title);
        m.drawButton({px + picture.width() - 18, py + 4}, "POPUP_CLOSE");
        return picture.height();
    };
    auto label = [&](int x, int yy, const QString &text, const QFont &font, const QColor &colour) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(px + x, py + yy + QFontMetrics(font).ascent(), text);
    };
    int height = popup("POP_BK_COLOR_3LINE", "Rectangle");
    label(8, 22, "Line Width", rowFont, Qt::white);
    label(8, 45, "Line Color", rowFont, Qt::white);
    label(8, 68, "Fill Color", rowFont, Qt::white);
    const QStringList colours{"BLACK", "RED", "YELLOW", "SKY"};
    for (int i = 0; i < 4; ++i) {
        m.drawButton({px + 152 + 33 * i, py + 20}, QStringLiteral("ICON_LINE_WIDTH_%1").arg(i + 1), i == 1 ? "Click" : "Normal");
        m.drawButton({px + 152 + 33 * i, py + 43}, "ICON_LINE_COLOR_" + colours[i], i == 1 ? "Click" : i == 2 ? "Over" : "Normal");
        m.drawButton({px + 152 + 33 * i, py + 67}, "ICON_FILL_COLOR_" + colours[i]);
    }
    m.drawButton({px + 119, py + 67}, "ICON_FILL_COLOR_NONE", "Click");
    py += height + 16;

    height = popup("POP_BK_COLOR_1LINE", "Background Color");
    label(8, 22, "Fill Color", rowFont, Qt::white);
    const QStringList backgroundColours{"WHITE", "BLACK", "YELLOW", "SKY"};
    for (int i = 0; i < 4; ++i)
        m.drawButton({px + 130 + 33 * i, py + 20}, "ICON_FILL_COLOR_" + backgroundColours[i], i == 0 ? "Click" : "Normal");
    py += height + 16;

    height = popup("POP_BK_TOOL", "Color Effect");
    const QStringList effects{"COLOR", "BW", "NEGATIVE", "MOSAIC"};
    for (int i = 0; i < 4; ++i)
        m.drawButton({px + 4 + 60 * i, py + 18}, "ICON_EFFECT_SUB_" + effects[i], i == 2 ? "Click" : "Normal");
    py += height + 16;

    height = popup("POP_BK_TOOL", "Effect");
    const QStringList masks{"CIRCLE", "RECTANGLE", "LEFT", "TOP"};
    for (int i = 0; i < 4; ++i)
        m.drawButton({px + 4 + 60 * i, py + 18}, "ICON_MASK_SUB_" + masks[i], i == 0 ? "Click" : i == 3 ? "Over" : "Normal");
    py += height + 16;

    height = popup("POP_BK_ABOUT_small", "About");
    QFont grey(QStringLiteral("Arial"));
    grey.setPixelSize(14);
    label(20, 30, "Version 2.00", grey, Qt::gray);
    m.drawButton({px + 90, py + 70}, "POPUP_BUTTON", "Normal", "OK", QFont(), Qt::black);
    py += height + 16;

    height = popup("POP_BK_SETTING", "Setting");
    const QStringList rows{"Source", "Resolution", "Capture", "Time", "Save as", "Recording", "Format", "Language"};
    const QVector<int> rowY{24, 48, 72, 96, 120, 169, 218, 242};
    for (int i = 0; i < rows.size(); ++i) {
        label(8, rowY[i], rows[i], grey, Qt::gray);
        p.fillRect(QRect(px + 105, py + rowY[i], 124, 20), Qt::white);
    }
    QFont small(QStringLiteral("Calibri"), 8);
    m.drawButton({px + 160, py + 144}, "POPUP_BUTTON", "Normal", "Browse", small);
    m.drawButton({px + 160, py + 193}, "POPUP_BUTTON", "Over", "Browse", small);
    m.drawButton({px + 80, py + 289}, "POPUP_BUTTON", "Click", "OK", small);
    m.drawButton({px + 160, py + 289}, "POPUP_BUTTON", "Normal", "Cancel", small);
    return image;
}
