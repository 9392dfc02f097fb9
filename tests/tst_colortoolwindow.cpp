#include "CanvasConstants.h"
#include "ColorToolWindow.h"
#include "FillBackgroundToolWindow.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "TextToolWindow.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

namespace {

const QColor Red = QColor::fromRgba(0xFFFF0000);
const QColor Yellow = QColor::fromRgba(0xFFFFFF00);
const QColor Sky = QColor::fromRgba(0xFF0000FF);
const QColor White = QColor::fromRgba(0xFFFFFFFF);

int checkedIndex(const QVector<ImageButton *> &buttons)
{
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i)->isChecked())
            return i;
    }
    return -1;
}

void click(ImageButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

// The line, text and background option windows on a real main window.
class ColorToolWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsFollowTheLabels_data();
    void rowsFollowTheLabels();
    void staysOnTheScreenFromTheStart();
    void widthButtonsShowAndSetTheWidth();
    void lineColorShowsTheLastMatch();
    void noFillKeepsTheFillColour();
    void followsTheModeSwitch();

    void textColourAndFamily();
    void typedSizeIsWrittenAsItChanges();
    void familyThatIsNotInstalledChangesNothing();
    void textWindowFollowsTheModeSwitch();

    void backgroundColourIsFilledAndRemembered();
    void backgroundWithoutLabelHasNoRow();

private:
    ColorToolWindow *shapeWindow(const QString &colorLabel, const QString &fillLabel);
    void switchTo(ImageButton *modeButton);

    MainWindow *window = nullptr;
};

void ColorToolWindowTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
}

void ColorToolWindowTest::init()
{
    window = new MainWindow;
}

void ColorToolWindowTest::cleanup()
{
    delete window;
    window = nullptr;
}

ColorToolWindow *ColorToolWindowTest::shapeWindow(const QString &colorLabel, const QString &fillLabel)
{
    return new ColorToolWindow(window->rectangleButton, window, QStringLiteral("Rectangle"),
                               QStringLiteral("Line Width"), colorLabel, fillLabel);
}

void ColorToolWindowTest::switchTo(ImageButton *modeButton)
{
    QTest::mouseClick(modeButton, Qt::LeftButton);
}

void ColorToolWindowTest::rowsFollowTheLabels_data()
{
    QTest::addColumn<QString>("colorLabel");
    QTest::addColumn<QString>("fillLabel");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colorButtons");
    QTest::addColumn<int>("fillButtons");

    QTest::newRow("width only") << QString() << QString() << QSize(290, 45) << 0 << 0;
    QTest::newRow("width and colour") << "Line Color" << QString() << QSize(290, 69) << 4 << 0;
    QTest::newRow("all three") << "Line Color" << "Fill Color" << QSize(290, 93) << 4 << 5;
    // The fill label picks the tall picture, but a fill row needs the colour row as well.
    QTest::newRow("fill label alone") << QString() << "Fill Color" << QSize(290, 93) << 0 << 0;
}

void ColorToolWindowTest::rowsFollowTheLabels()
{
    QFETCH(QString, colorLabel);
    QFETCH(QString, fillLabel);
    QFETCH(QSize, size);
    QFETCH(int, colorButtons);
    QFETCH(int, fillButtons);

    QScopedPointer<ColorToolWindow> tool(shapeWindow(colorLabel, fillLabel));
    QCOMPARE(tool->size(), size);
    tool->show();
    QCOMPARE(tool->closeButton->pos(), QPoint(272, 4));
    QCOMPARE(tool->widthButtons.size(), 4);
    QCOMPARE(tool->widthButtons.at(0)->pos(), QPoint(152, 20));
    QCOMPARE(tool->widthButtons.at(3)->pos(), QPoint(251, 20));
    QCOMPARE(tool->lineColorButtons.size(), colorButtons);
    QCOMPARE(tool->fillColorButtons.size(), fillButtons);
    if (fillButtons) {
        QCOMPARE(tool->lineColorButtons.at(1)->pos(), QPoint(185, 43));
        QCOMPARE(tool->fillColorButtons.at(3)->pos(), QPoint(251, 67));
        QCOMPARE(tool->fillColorButtons.at(4)->pos(), QPoint(119, 67));
        QCOMPARE(tool->fillColorButtons.at(4)->imageName, QStringLiteral("ICON_FILL_COLOR_NONE"));
    }
}

void ColorToolWindowTest::staysOnTheScreenFromTheStart()
{
    // The picture is chosen after the base placed the window; the window is placed again with
    // its real size, so it does not hang over the right edge until the main window moves.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(available.width() - 200, 0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QScopedPointer<ColorToolWindow> tool(shapeWindow(QString(), QString()));
    QCOMPARE(tool->x(), available.width() - 290);
    QScopedPointer<FillBackgroundToolWindow> fill(new FillBackgroundToolWindow(
        window->fillBackgroundButton, window, QStringLiteral("Background"), QStringLiteral("Fill Color")));
    QCOMPARE(fill->x(), available.width() - 290);
}

void ColorToolWindowTest::widthButtonsShowAndSetTheWidth()
{
    ImageCanvas *canvas = window->currentCanvas;
    canvas->lineWidth = 5;
    QScopedPointer<ColorToolWindow> tool(shapeWindow(QString(), QString()));
    QCOMPARE(checkedIndex(tool->widthButtons), 0);

    click(tool->widthButtons.at(2));
    QCOMPARE(canvas->lineWidth, 9);
    QCOMPARE(checkedIndex(tool->widthButtons), 2);

    canvas->lineWidth = 12;
    tool->modeChanged();
    QCOMPARE(checkedIndex(tool->widthButtons), 3);
}

void ColorToolWindowTest::lineColorShowsTheLastMatch()
{
    ImageCanvas *canvas = window->currentCanvas;
    canvas->lineColor = Yellow;
    QScopedPointer<ColorToolWindow> tool(shapeWindow(QStringLiteral("Line Color"), QString()));
    QCOMPARE(checkedIndex(tool->lineColorButtons), 2);

    click(tool->lineColorButtons.at(3));
    QCOMPARE(canvas->lineColor, Sky);

    // A colour the window does not offer shows the first button.
    canvas->lineColor = QColor(10, 20, 30);
    tool->modeChanged();
    QCOMPARE(checkedIndex(tool->lineColorButtons), 0);
    // Equality covers alpha as well: half-transparent red is not red.
    canvas->lineColor = QColor(255, 0, 0, 128);
    tool->modeChanged();
    QCOMPARE(checkedIndex(tool->lineColorButtons), 0);
}

void ColorToolWindowTest::noFillKeepsTheFillColour()
{
    ImageCanvas *canvas = window->currentCanvas;
    canvas->fillEnabled = true;
    canvas->fillColor = Yellow;
    QScopedPointer<ColorToolWindow> tool(shapeWindow(QStringLiteral("Line Color"),
                                                     QStringLiteral("Fill Color")));
    QCOMPARE(checkedIndex(tool->fillColorButtons), 2);

    click(tool->fillColorButtons.at(4));
    QVERIFY(!canvas->fillEnabled);
    QCOMPARE(canvas->fillColor, Yellow);
    QCOMPARE(checkedIndex(tool->fillColorButtons), 4);

    click(tool->fillColorButtons.at(1));
    QVERIFY(canvas->fillEnabled);
    QCOMPARE(canvas->fillColor, Red);

    canvas->fillEnabled = false;
    tool->modeChanged();
    QCOMPARE(checkedIndex(tool->fillColorButtons), 4);
}

void ColorToolWindowTest::followsTheModeSwitch()
{
    window->liveCanvas->lineWidth = 3;
    window->drawingBoardCanvas->lineWidth = 12;
    window->drawingBoardCanvas->lineColor = Sky;
    QScopedPointer<ColorToolWindow> tool(shapeWindow(QStringLiteral("Line Color"), QString()));
    QCOMPARE(checkedIndex(tool->widthButtons), 0);

    switchTo(window->drawingBoardButton);
    QCOMPARE(tool->canvas, window->drawingBoardCanvas);
    QCOMPARE(checkedIndex(tool->widthButtons), 3);
    QCOMPARE(checkedIndex(tool->lineColorButtons), 3);

    // From now on the choices go to the board, not to the live canvas.
    click(tool->widthButtons.at(1));
    QCOMPARE(window->drawingBoardCanvas->lineWidth, 6);
    QCOMPARE(window->liveCanvas->lineWidth, 3);
}

void ColorToolWindowTest::textColourAndFamily()
{
    ImageCanvas *canvas = window->currentCanvas;
    canvas->setTextColor(Sky);
    TextToolWindow tool(window->textButton, window);
    QCOMPARE(tool.size(), QSize(290, 69));
    QCOMPARE(tool.colorButtons.size(), 4);
    QCOMPARE(tool.colorButtons.at(0)->pos(), QPoint(130, 43));
    QCOMPARE(checkedIndex(tool.colorButtons), 3);
    QCOMPARE(tool.fontFaces, QFontDatabase().families());
    QCOMPARE(tool.fontSizeBox->count(), QFontDatabase::standardSizes().size());

    click(tool.colorButtons.at(1));
    QCOMPARE(canvas->textColor(), Red);

    if (tool.fontFaces.size() < 2)
        QSKIP("too few font families on this platform");
    const int last = tool.fontFaces.size() - 1;
    canvas->setTextFamily(tool.fontFaces.at(0));
    tool.fontFaceBox->setCurrentIndex(last);
    // Only a choice by the user (activated) writes the family.
    QCOMPARE(canvas->textFamily(), tool.fontFaces.at(0));
    QMetaObject::invokeMethod(tool.fontFaceBox, "activated", Q_ARG(int, last));
    QCOMPARE(canvas->textFamily(), tool.fontFaces.at(last));
}

void ColorToolWindowTest::typedSizeIsWrittenAsItChanges()
{
    ImageCanvas *canvas = window->currentCanvas;
    TextToolWindow tool(window->textButton, window);
    QCOMPARE(tool.fontSizeBox->currentText(), QStringLiteral("18"));

    QLineEdit *edit = tool.fontSizeBox->lineEdit();
    edit->clear();
    QCOMPARE(canvas->textPointSize(), 18);
    QTest::keyClick(edit, Qt::Key_1);
    QCOMPARE(canvas->textPointSize(), 1);
    QTest::keyClick(edit, Qt::Key_8);
    QCOMPARE(canvas->textPointSize(), 18);

    // Words, nothing, zero and sizes no text could be drawn at leave the size alone.
    for (const QString &typed : {QStringLiteral("1x"), QString(), QStringLiteral("0"),
                                 QStringLiteral("-4"), QStringLiteral("100000")}) {
        edit->setText(typed);
        QCOMPARE(canvas->textPointSize(), 18);
    }
    // Typed sizes outside the list are not added to it.
    edit->setText(QStringLiteral("17"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(canvas->textPointSize(), 17);
    QCOMPARE(tool.fontSizeBox->count(), tool.fontSizes.size());
}

void ColorToolWindowTest::familyThatIsNotInstalledChangesNothing()
{
    ImageCanvas *canvas = window->currentCanvas;
    TextToolWindow tool(window->textButton, window);
    const int before = tool.fontFaceBox->currentIndex();
    canvas->setTextFamily(QStringLiteral("No Such Family 3f9a"));
    tool.modeChanged();
    QCOMPARE(tool.fontFaceBox->currentIndex(), before);
    QCOMPARE(canvas->textFamily(), QStringLiteral("No Such Family 3f9a"));
}

void ColorToolWindowTest::textWindowFollowsTheModeSwitch()
{
    window->liveCanvas->setTextPointSize(24);
    window->drawingBoardCanvas->setTextPointSize(17);   // not a standard size
    window->drawingBoardCanvas->setTextColor(Yellow);
    TextToolWindow tool(window->textButton, window);
    QCOMPARE(tool.fontSizeBox->currentText(), QStringLiteral("24"));

    switchTo(window->drawingBoardButton);
    QCOMPARE(tool.canvas, window->drawingBoardCanvas);
    QCOMPARE(tool.fontSizeBox->currentText(), QStringLiteral("17"));
    QCOMPARE(checkedIndex(tool.colorButtons), 2);
    QCOMPARE(window->drawingBoardCanvas->textPointSize(), 17);

    switchTo(window->liveButton);
    QCOMPARE(tool.fontSizeBox->currentText(), QStringLiteral("24"));
    QCOMPARE(window->liveCanvas->textPointSize(), 24);
    QCOMPARE(window->drawingBoardCanvas->textPointSize(), 17);
}

void ColorToolWindowTest::backgroundColourIsFilledAndRemembered()
{
    switchTo(window->drawingBoardButton);
    ImageCanvas *board = window->drawingBoardCanvas;
    {
        FillBackgroundToolWindow tool(window->fillBackgroundButton, window,
                                      QStringLiteral("Background Color"), QStringLiteral("Fill Color"));
        QCOMPARE(tool.size(), QSize(290, 45));
        QCOMPARE(tool.colorButtons.size(), 4);
            QCOMPARE(tool.colorButtons.at(0)->imageName, QStringLiteral("ICON_FILL_COLOR_WHITE"));
        QCOMPARE(checkedIndex(tool.colorButtons), 0);

        click(tool.colorButtons.at(3));
        QCOMPARE(board->backgroundColor, Sky);
        QCOMPARE(board->currentImage().pixelColor(20, 20), Sky);
    }
    FillBackgroundToolWindow reopened(window->fillBackgroundButton, window,
                                      QStringLiteral("Background Color"), QStringLiteral("Fill Color"));
    QCOMPARE(checkedIndex(reopened.colorButtons), 3);
}

void ColorToolWindowTest::backgroundWithoutLabelHasNoRow()
{
    FillBackgroundToolWindow tool(window->fillBackgroundButton, window, QStringLiteral("Background"),
                                  QString());
    QCOMPARE(tool.size(), QSize(290, 45));
    QVERIFY(tool.colorButtons.isEmpty());
    tool.modeChanged();
    QCOMPARE(window->currentCanvas->backgroundColor, White);
}

QTEST_MAIN(ColorToolWindowTest)
#include "tst_colortoolwindow.moc"
