#include "Picture.h"

#include "BackgroundArt.h"
#include "ButtonArt.h"
#include "OsdArt.h"
#include "Scenes.h"

#include <functional>

namespace {

using ButtonPainter = std::function<QImage(ButtonState)>;

// Tool buttons of the side panel sit two to a row; at this height the whole Live tool set fits
// the panel of the smallest main window.
const QSize panelTool(60, 36);
const qreal panelGlyph = 24;
// Buttons of the film, photograph and live bars.
const QSize barButton(31, 26);
const qreal barGlyph = 18;
// Effect and mask choices, in the panel and in their pop-up windows.
const QSize choiceButton(60, 44);
const QSize choiceTile(46, 30);
// Colour and width choices of the drawing option windows.
const QSize optionButton(30, 20);

class Catalogue
{
public:
    QVector<Picture> pictures;

    void button(const QString &name, const ButtonPainter &paint)
    {
        add(QStringLiteral("Normal/%1.png").arg(name), paint(ButtonState::Normal));
        add(QStringLiteral("Over/%1.png").arg(name), paint(ButtonState::Over));
        add(QStringLiteral("Click/%1.png").arg(name), paint(ButtonState::Click));
    }

    void add(const QString &path, const QImage &image) { pictures.append({path, image}); }
};

void panelTools(Catalogue &c)
{
    const QVector<QPair<QString, Glyph>> tools{
        {"ICON_LINE", Glyph::Line},
        {"ICON_RETANGLE", Glyph::Rectangle},
        {"ICON_FREEHAND", Glyph::Freehand},
        {"ICON_CIRCLE", Glyph::Circle},
        {"ICON_ARROW", Glyph::Arrow},
        {"ICON_TRIANGLE", Glyph::Triangle},
        {"ICON_ERASE", Glyph::Eraser},
        {"ICON_TEXT", Glyph::Text},
        {"ICON_ERASE_ALL", Glyph::Trash},
        {"ICON_COPY", Glyph::Clip},
        {"ICON_HAND", Glyph::Hand},
        {"ICON_FILL", Glyph::Bucket},
        {"ICON_ZOOM_OUT", Glyph::ZoomOut},
        {"ICON_ZOOM_IN", Glyph::ZoomIn},
        {"ICON_ZOOM_RESET", Glyph::ZoomReset},
        {"ICON_AUTOFOCUS", Glyph::AutoFocus},
        {"ICON_BRIGHTNESS_REDUCE", Glyph::BrightnessDown},
        {"ICON_BRIGHTNESS_INCREASE", Glyph::BrightnessUp},
        {"ICON_ROTATE", Glyph::Rotate},
        {"ICON_FREEZE", Glyph::Freeze},
        {"ICON_RECORDING", Glyph::Record},
        {"ICON_CAPTURE", Glyph::Camera},
        {"ICON_SETTING", Glyph::Gear},
        {"ICON_PRINT", Glyph::Printer},
        // For the optional counter-clockwise rotation and macro controls.
        {"ICON_ROTATE_REV", Glyph::RotateBack},
        {"ICON_MACRO", Glyph::Flower},
    };
    for (const auto &tool : tools)
        c.button(tool.first, [&](ButtonState s) { return glyphButton(panelTool, tool.second, panelGlyph, s); });
}

void barButtons(Catalogue &c)
{
    const QVector<QPair<QString, Glyph>> buttons{
        {"ICON_LIVE_RECORDING", Glyph::Record},
        {"ICON_FILM_OPEN", Glyph::FolderFilm},
        {"ICON_FILM_PLAY", Glyph::Play},
        {"ICON_FILM_PAUSE", Glyph::Pause},
        {"ICON_FILM_STOP", Glyph::Stop},
        {"ICON_FILM_BACKWARD", Glyph::Rewind},
        {"ICON_FILM_FORWARD", Glyph::FastForward},
        {"ICON_FILM_VOLUME", Glyph::Volume},
        {"ICON_PHOTO_OPEN", Glyph::FolderPhoto},
        {"ICON_PHOTO_BACKWARD", Glyph::Previous},
        {"ICON_PHOTO_SLIDE", Glyph::Slideshow},
        {"ICON_PHOTO_FORWARD", Glyph::Next},
        {"ICON_PHOTO_THUMBNIL", Glyph::Thumbnails},
        {"ICON_PHOTO_TIME", Glyph::Clock},
    };
    for (const auto &button : buttons)
        c.button(button.first, [&](ButtonState s) { return glyphButton(barButton, button.second, barGlyph, s, 4); });
}

const QVector<QPair<QString, EffectPreview>> effects{
    {"COLOR", EffectPreview::Color},
    {"BW", EffectPreview::BlackWhite},
    {"NEGATIVE", EffectPreview::Negative},
    {"MOSAIC", EffectPreview::Mosaic},
};

const QVector<QPair<QString, MaskPreview>> masks{
    {"CIRCLE", MaskPreview::Circle},
    {"RECTANGLE", MaskPreview::Rectangle},
    {"LEFT", MaskPreview::Left},
    {"TOP", MaskPreview::Top},
};

void choiceButtons(Catalogue &c)
{
    for (const auto &effect : effects) {
        const QImage tile = effectScene(choiceTile, effect.second);
        auto paint = [&](ButtonState s) { return tileButton(choiceButton, tile, s); };
        c.button("ICON_EFFECT_" + effect.first, paint);
        c.button("ICON_EFFECT_SUB_" + effect.first, paint);
    }
    for (const auto &mask : masks) {
        const QImage tile = maskScene(choiceTile, mask.second);
        auto paint = [&](ButtonState s) { return tileButton(choiceButton, tile, s); };
        c.button("ICON_MASK_" + mask.first, paint);
        c.button("ICON_MASK_SUB_" + mask.first, paint);
    }
}

void optionButtons(Catalogue &c)
{
    const QVector<QPair<QString, QColor>> colours{
        {"BLACK", QColor(0, 0, 0)},
        {"RED", QColor(255, 0, 0)},
        {"YELLOW", QColor(255, 255, 0)},
        {"SKY", QColor(0, 0, 255)},
        {"WHITE", QColor(255, 255, 255)},
    };
    for (const auto &colour : colours) {
        auto paint = [&](ButtonState s) { return swatchButton(optionButton, colour.second, s); };
        if (colour.first != QLatin1String("WHITE"))
            c.button("ICON_LINE_COLOR_" + colour.first, paint);
        c.button("ICON_FILL_COLOR_" + colour.first, paint);
    }
    c.button("ICON_FILL_COLOR_NONE", [](ButtonState s) { return noFillButton(optionButton, s); });
    for (int level = 1; level <= 4; ++level)
        c.button(QStringLiteral("ICON_LINE_WIDTH_%1").arg(level),
                 [&](ButtonState s) { return widthButton(optionButton, level, s); });
}

void windowButtons(Catalogue &c)
{
    c.button("MAIN_BUTTON", [](ButtonState s) { return tabButton(QSize(105, 18), s); });
    c.button("MAIN_BUTTON_LONG", [](ButtonState s) { return tabButton(QSize(118, 18), s); });
    c.button("AboutButton", [](ButtonState s) { return glyphButton(QSize(34, 34), Glyph::Info, 26, s, 16); });
    c.button("BUTTON_SIDE_OPEN", [](ButtonState s) { return sideButton(QSize(33, 124), Glyph::ChevronRight, s); });
    c.button("BUTTON_SIDE_CLOSE", [](ButtonState s) { return sideButton(QSize(32, 124), Glyph::ChevronLeft, s); });
    c.button("WINDOWS_MIN", [](ButtonState s) { return titleBarButton(QSize(17, 18), Glyph::Minimize, s, false); });
    c.button("WINDOWS_MAX", [](ButtonState s) { return titleBarButton(QSize(17, 18), Glyph::Maximize, s, false); });
    c.button("WINDOWS_CLOSE", [](ButtonState s) { return titleBarButton(QSize(17, 18), Glyph::Close, s, true); });
    c.button("TOOL_TITLE_OPEN", [](ButtonState s) { return groupTitleButton(QSize(120, 20), true, s); });
    c.button("TOOL_TITLE_CLOSE", [](ButtonState s) { return groupTitleButton(QSize(120, 20), false, s); });
    c.button("POPUP_CLOSE", [](ButtonState s) { return titleBarButton(QSize(12, 12), Glyph::Close, s, true); });
    c.button("POPUP_BUTTON", [](ButtonState s) { return captionButton(QSize(78, 20), s); });
}

void osd(Catalogue &c)
{
    const QString folder = QStringLiteral("OSD/%1.png");
    // Captioned items carry their text right of a 38-pixel icon area.
    c.add(folder.arg("OSD_ZOOM_IN"), osdGlyph(QSize(68, 34), Glyph::ZoomIn, 38));
    c.add(folder.arg("OSD_ZOOM_OUT"), osdGlyph(QSize(68, 34), Glyph::ZoomOut, 38));
    c.add(folder.arg("OSD_ROTATE"), osdGlyph(QSize(68, 34), Glyph::Rotate, 38));
    c.add(folder.arg("OSD_AUTOFOCUS"), osdGlyph(QSize(34, 34), Glyph::AutoFocus, 34));
    c.add(folder.arg("OSD_FREEZE"), osdGlyph(QSize(34, 34), Glyph::Freeze, 34));
    c.add(folder.arg("OSD_MACRO"), osdGlyph(QSize(34, 34), Glyph::Flower, 34));
    c.add(folder.arg("OSD_SNAPSHOT"), osdGlyph(QSize(34, 34), Glyph::Camera, 34));
    // The recording clock is written over the whole badge.
    c.add(folder.arg("OSD_TIME"), osdBadge(QSize(109, 34)));
    for (const auto &mask : masks)
        c.add(folder.arg("OSD_MASK_" + mask.first), osdTile(QSize(34, 34), maskScene(QSize(24, 18), mask.second), 34));
    for (const auto &effect : effects) {
        const QImage badge = osdTile(QSize(109, 34), effectScene(QSize(26, 18), effect.second), 38);
        c.add(folder.arg("OSD_COLOR_" + effect.first), badge);
        if (effect.first == QLatin1String("COLOR"))
            c.add(folder.arg("OSD_COLOR_NORMAL"), badge);
    }
    c.add(folder.arg("OSD_BRIGHTNESS_BK_MIN"), brightnessPiece(BrightnessPiece::Min));
    c.add(folder.arg("OSD_BRIGHTNESS_BK_MAX"), brightnessPiece(BrightnessPiece::Max));
    c.add(folder.arg("OSD_BRIGHTNESS_BK_SHORT"), brightnessPiece(BrightnessPiece::Short));
    c.add(folder.arg("OSD_BRIGHTNESS_BK_LONG"), brightnessPiece(BrightnessPiece::Long));
    c.add(folder.arg("OSD_BRIGHTNESS_BAR"), brightnessPiece(BrightnessPiece::Bar));
    c.add(folder.arg("OSD_BRIGHTNESS_BAR_CENTER"), brightnessPiece(BrightnessPiece::BarCenter));
}

void frame(Catalogue &c)
{
    const QString folder = QStringLiteral("Background_Sub/%1.png");
    c.add(folder.arg("VIDEO_FRAME_TOP_MID"), framePiece(FramePiece::TopMid, QSize(3, 52)));
    c.add(folder.arg("VIDEO_FRAME_TOP_RIGHT"), framePiece(FramePiece::TopRight, QSize(82, 52)));
    c.add(folder.arg("VIDEO_FRAME_MID_LEFT"), framePiece(FramePiece::MidLeft, QSize(3, 1)));
    c.add(folder.arg("VIDEO_FRAME_MID_MID"), framePiece(FramePiece::MidMid, QSize(1, 1)));
    c.add(folder.arg("VIDEO_FRAME_MID_RIGHT"), framePiece(FramePiece::MidRight, QSize(3, 1)));
    c.add(folder.arg("VIDEO_FRAME_BOT_LEFT"), framePiece(FramePiece::BotLeft, QSize(10, 81)));
    c.add(folder.arg("VIDEO_FRAME_BOT_MID"), framePiece(FramePiece::BotMid, QSize(2, 81)));
    c.add(folder.arg("VIDEO_FRAME_BOT_RIGHT"), framePiece(FramePiece::BotRight, QSize(11, 81)));
    c.add(folder.arg("ICON_BK_TOP"), panelPiece(PanelPiece::Top, QSize(135, 10)));
    c.add(folder.arg("ICON_BK_MID"), panelPiece(PanelPiece::Mid, QSize(135, 1)));
    c.add(folder.arg("ICON_BK_BOT"), panelPiece(PanelPiece::Bottom, QSize(135, 10)));
}

void backgrounds(Catalogue &c, const QString &appIconSvg)
{
    const QString folder = QStringLiteral("Background/%1.png");
    c.add(folder.arg("MAIN_WINDOWS"), startupPicture(QSize(800, 600)));
    c.add(folder.arg("FILM_CONTROL_BK"), controlBar(QSize(313, 37)));
    c.add(folder.arg("PHOTO_CONTROL_BK"), controlBar(QSize(271, 37)));
    c.add(folder.arg("FILM_SCROLL_BACKGROUND"), scrollTrack(QSize(822, 12)));
    c.add(folder.arg("FILM_SCROLL_BAR"), scrollHandle(QSize(22, 6)));
    c.add(folder.arg("PHOTO_SCROLL_BAR"), scrollHandle(QSize(96, 6)));
    c.add(folder.arg("THUMBNIL_BAR"), thumbnailStrip(QSize(800, 60)));
    c.add(folder.arg("POP_VOL_BK"), volumeGroove(QSize(33, 93)));
    c.add(folder.arg("TIME_SLIDE_BK_1"), intervalGroove(QSize(150, 37)));
    c.add(folder.arg("TIME_SLIDE_ADJUSTMENT"), sliderKnob(QSize(12, 12)));
    c.add(folder.arg("POP_BK_COLOR_1LINE"), popupBackground(QSize(290, 45)));
    c.add(folder.arg("POP_BK_COLOR_2LINE"), popupBackground(QSize(290, 69)));
    c.add(folder.arg("POP_BK_COLOR_3LINE"), popupBackground(QSize(290, 93)));
    c.add(folder.arg("POP_BK_TOOL"), popupBackground(QSize(248, 67)));
    c.add(folder.arg("POP_BK_SETTING"), popupBackground(QSize(268, 320)));
    c.add(folder.arg("POP_BK_ABOUT_small"), popupBackground(QSize(248, 100), renderSvg(appIconSvg, 44)));
}

} // namespace

QVector<Picture> buildCatalogue(const QString &appIconSvg)
{
    Catalogue c;
    panelTools(c);
    barButtons(c);
    choiceButtons(c);
    optionButtons(c);
    windowButtons(c);
    osd(c);
    frame(c);
    backgrounds(c, appIconSvg);
    return c.pictures;
}
