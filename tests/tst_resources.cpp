// Every picture the program asks the resource tree for must be there, at the size the layout is
// built around; a missing picture would only show as an empty or zero-sized control.

#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtTest>

namespace {

struct Named {
    QString name;
    QSize size;
};

// Buttons are looked up by name in the Normal, Over and Click folders.
QVector<Named> buttonNames()
{
    QVector<Named> names{
        {"MAIN_BUTTON", {105, 18}},
        {"MAIN_BUTTON_LONG", {118, 18}},
        {"AboutButton", {34, 34}},
        {"BUTTON_SIDE_OPEN", {33, 124}},
        {"BUTTON_SIDE_CLOSE", {32, 124}},
        {"ICON_LIVE_RECORDING", {31, 26}},
        {"WINDOWS_MIN", {17, 18}},
        {"WINDOWS_MAX", {17, 18}},
        {"WINDOWS_CLOSE", {17, 18}},
        {"TOOL_TITLE_OPEN", {120, 20}},
        {"TOOL_TITLE_CLOSE", {120, 20}},
        {"POPUP_CLOSE", {12, 12}},
        {"POPUP_BUTTON", {78, 20}},
    };
    // Tool buttons of the side panel: two to a row in the 131-pixel grid, low enough that the
    // Live tool set fits the panel of the smallest main window.
    for (const char *tool : {"ICON_LINE", "ICON_RETANGLE", "ICON_FREEHAND", "ICON_CIRCLE", "ICON_ARROW",
                             "ICON_TRIANGLE", "ICON_ERASE", "ICON_TEXT", "ICON_ERASE_ALL", "ICON_COPY", "ICON_HAND",
                             "ICON_FILL", "ICON_ZOOM_OUT", "ICON_ZOOM_IN", "ICON_ZOOM_RESET", "ICON_AUTOFOCUS",
                             "ICON_BRIGHTNESS_REDUCE", "ICON_BRIGHTNESS_INCREASE", "ICON_ROTATE", "ICON_FREEZE",
                             "ICON_RECORDING", "ICON_CAPTURE", "ICON_SETTING", "ICON_PRINT"})
        names.append({tool, {60, 36}});
    // Film and photograph bar buttons stand 40 pixels apart on 37-pixel bars, like the live record button.
    for (const char *button : {"ICON_FILM_OPEN", "ICON_FILM_PLAY", "ICON_FILM_PAUSE", "ICON_FILM_STOP",
                               "ICON_FILM_BACKWARD", "ICON_FILM_FORWARD", "ICON_FILM_VOLUME", "ICON_PHOTO_OPEN",
                               "ICON_PHOTO_BACKWARD", "ICON_PHOTO_SLIDE", "ICON_PHOTO_FORWARD", "ICON_PHOTO_THUMBNIL",
                               "ICON_PHOTO_TIME"})
        names.append({button, {31, 26}});
    for (const char *effect : {"COLOR", "BW", "NEGATIVE", "MOSAIC"}) {
        names.append({QStringLiteral("ICON_EFFECT_%1").arg(effect), {60, 44}});
        names.append({QStringLiteral("ICON_EFFECT_SUB_%1").arg(effect), {60, 44}});
    }
    for (const char *mask : {"CIRCLE", "RECTANGLE", "LEFT", "TOP"}) {
        names.append({QStringLiteral("ICON_MASK_%1").arg(mask), {60, 44}});
        names.append({QStringLiteral("ICON_MASK_SUB_%1").arg(mask), {60, 44}});
    }
    // Colour and width choices stand 33 pixels apart in rows 23 pixels apart.
    for (const char *colour : {"BLACK", "RED", "YELLOW", "SKY"})
        names.append({QStringLiteral("ICON_LINE_COLOR_%1").arg(colour), {30, 20}});
    for (const char *colour : {"BLACK", "RED", "YELLOW", "SKY", "WHITE", "NONE"})
        names.append({QStringLiteral("ICON_FILL_COLOR_%1").arg(colour), {30, 20}});
    for (int width = 1; width <= 4; ++width)
        names.append({QStringLiteral("ICON_LINE_WIDTH_%1").arg(width), {30, 20}});
    return names;
}

QVector<Named> osdPictures()
{
    QVector<Named> names{
        {"OSD_ZOOM_IN", {68, 34}},
        {"OSD_ZOOM_OUT", {68, 34}},
        {"OSD_ROTATE", {68, 34}},
        {"OSD_AUTOFOCUS", {34, 34}},
        {"OSD_FREEZE", {34, 34}},
        {"OSD_MACRO", {34, 34}},
        {"OSD_TIME", {109, 34}},
        {"OSD_SNAPSHOT", {34, 34}},
        {"OSD_BRIGHTNESS_BK_MIN", {43, 34}},
        {"OSD_BRIGHTNESS_BK_MAX", {43, 34}},
        {"OSD_BRIGHTNESS_BK_SHORT", {13, 34}},
        {"OSD_BRIGHTNESS_BK_LONG", {12, 34}},
        {"OSD_BRIGHTNESS_BAR", {3, 9}},
        {"OSD_BRIGHTNESS_BAR_CENTER", {4, 14}},
    };
    for (const char *mask : {"CIRCLE", "RECTANGLE", "LEFT", "TOP"})
        names.append({QStringLiteral("OSD_MASK_%1").arg(mask), {34, 34}});
    // The plain effect is named after its key, COLOR, like the others.
    for (const char *effect : {"COLOR", "NORMAL", "BW", "NEGATIVE", "MOSAIC"})
        names.append({QStringLiteral("OSD_COLOR_%1").arg(effect), {109, 34}});
    return names;
}

QVector<Named> framePictures()
{
    return {
        {"Background_Sub/VIDEO_FRAME_TOP_MID.png", {3, 52}},
        {"Background_Sub/VIDEO_FRAME_TOP_RIGHT.png", {82, 52}},
        {"Background_Sub/VIDEO_FRAME_MID_LEFT.png", {3, 1}},
        {"Background_Sub/VIDEO_FRAME_MID_MID.png", {1, 1}},
        {"Background_Sub/VIDEO_FRAME_MID_RIGHT.png", {3, 1}},
        {"Background_Sub/VIDEO_FRAME_BOT_LEFT.png", {10, 81}},
        {"Background_Sub/VIDEO_FRAME_BOT_MID.png", {2, 81}},
        {"Background_Sub/VIDEO_FRAME_BOT_RIGHT.png", {11, 81}},
        {"Background_Sub/ICON_BK_TOP.png", {135, 10}},
        {"Background_Sub/ICON_BK_MID.png", {135, 1}},
        {"Background_Sub/ICON_BK_BOT.png", {135, 10}},
        {"Background/MAIN_WINDOWS.png", {800, 600}},
        {"Background/FILM_CONTROL_BK.png", {313, 37}},
        {"Background/PHOTO_CONTROL_BK.png", {271, 37}},
        {"Background/FILM_SCROLL_BACKGROUND.png", {822, 12}},
        // Handles are drawn at the bar width by the slider height less four: 22 x 6 on the film
        // position bar, the default 96 x 6 on the thumbnail scroll bar.
        {"Background/FILM_SCROLL_BAR.png", {22, 6}},
        {"Background/PHOTO_SCROLL_BAR.png", {96, 6}},
        {"Background/THUMBNIL_BAR.png", {800, 60}},
        {"Background/POP_VOL_BK.png", {33, 93}},
        {"Background/TIME_SLIDE_BK_1.png", {150, 37}},
        {"Background/TIME_SLIDE_ADJUSTMENT.png", {12, 12}},
        {"Background/POP_BK_COLOR_1LINE.png", {290, 45}},
        {"Background/POP_BK_COLOR_2LINE.png", {290, 69}},
        {"Background/POP_BK_COLOR_3LINE.png", {290, 93}},
        {"Background/POP_BK_TOOL.png", {248, 67}},
        {"Background/POP_BK_SETTING.png", {268, 320}},
        {"Background/POP_BK_ABOUT_small.png", {248, 100}},
    };
}

QImage load(const QString &path)
{
    return QImage(QStringLiteral(":/icons/") + path);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void buttonPictures_data();
    void buttonPictures();
    void buttonStatesDiffer_data() { buttonPictures_data(); }
    void buttonStatesDiffer();
    void namedPictures_data();
    void namedPictures();
    void frameInteriorIsWindowColour();
    void colourBackgroundsLoadWithoutSuffix();
    void applicationIcon();
};

void TestResources::buttonPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QSet<QString> seen;
    for (const Named &button : buttonNames()) {
        QVERIFY2(!seen.contains(button.name), qPrintable(button.name));
        seen.insert(button.name);
        QTest::newRow(qPrintable(button.name)) << button.name << button.size;
    }
    QCOMPARE(seen.size(), 80);
}

void TestResources::buttonPictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    for (const char *state : {"Normal", "Over", "Click"}) {
        const QImage image = load(QStringLiteral("%1/%2.png").arg(state, name));
        QVERIFY2(!image.isNull(), state);
        QCOMPARE(image.size(), size);
    }
}

// Hover and press must show: no two of a button's three pictures may be the same.
void TestResources::buttonStatesDiffer()
{
    QFETCH(QString, name);
    const QImage normal = load("Normal/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
    const QImage over = load("Over/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
    const QImage click = load("Click/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(normal != over);
    QVERIFY(normal != click);
    QVERIFY(over != click);
}

void TestResources::namedPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const Named &picture : osdPictures())
        QTest::newRow(qPrintable(picture.name)) << QStringLiteral("OSD/%1.png").arg(picture.name) << picture.size;
    for (const Named &picture : framePictures())
        QTest::newRow(qPrintable(picture.name)) << picture.name << picture.size;
}

void TestResources::namedPictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image = load(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
}

// The frame takes its interior colour from this one pixel.
void TestResources::frameInteriorIsWindowColour()
{
    const QImage centre = load("Background_Sub/VIDEO_FRAME_MID_MID.png");
    QCOMPARE(QColor(centre.pixel(0, 0)), QColor(48, 48, 48));
}

// The line and background windows name their pictures without the file suffix.
void TestResources::colourBackgroundsLoadWithoutSuffix()
{
    QCOMPARE(load("Background/POP_BK_COLOR_1LINE").size(), QSize(290, 45));
    QCOMPARE(load("Background/POP_BK_COLOR_2LINE").size(), QSize(290, 69));
    QCOMPARE(load("Background/POP_BK_COLOR_3LINE").size(), QSize(290, 93));
}

void TestResources::applicationIcon()
{
    QImageReader reader(QStringLiteral(":/icons/ICON_APP.ICO"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QSet<int> sides;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        sides.insert(image.width());
    }
    for (int side : {16, 32, 48, 256})
        QVERIFY2(sides.contains(side), qPrintable(QString::number(side)));
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
