#include "AboutToolWindow.h"
#include "ImageButton.h"
#include "ToolWindow.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

namespace {

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::darkGray);
    return image;
}

} // namespace

class ToolWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void placedRightOfItsAnchor();
    void pulledBackOntoTheScreen();
    void keptInsideAScreenAwayFromTheOrigin();
    void followsTheMainWindow();
    void closeButtonAndTitle();
    void focusElsewhereCloses();
    void aboutWindowLayout();
    void aboutOkHides();
};

void ToolWindowTest::placedRightOfItsAnchor()
{
    QWidget main;
    main.setGeometry(100, 100, 600, 400);
    QWidget anchor(&main);
    anchor.setGeometry(20, 50, 60, 36);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    ToolWindow window(picture(290, 45), &anchor, &main, QStringLiteral("Line"));
    QCOMPARE(window.pos(), anchor.mapToGlobal(QPoint(anchor.width() + 3, 0)));
    QCOMPARE(window.size(), QSize(290, 45));
}

void ToolWindowTest::pulledBackOntoTheScreen()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.setGeometry(available.width() - 300, available.height() - 150, 300, 150);
    QWidget anchor(&main);
    anchor.setGeometry(180, 100, 100, 40);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    ToolWindow window(picture(290, 93), &anchor, &main, QString());
    QCOMPARE(window.x(), available.width() - 290);
    QCOMPARE(window.y(), available.height() - 93);
}

void ToolWindowTest::keptInsideAScreenAwayFromTheOrigin()
{
    // A projector right of a 1920-pixel laptop screen, with a panel 30 pixels high at its top.
    const QRect projector(1920, 30, 1280, 994);
    const QSize size(290, 93);
    QCOMPARE(ToolWindow::pulledInside(QPoint(2500, 400), size, projector), QPoint(2500, 400));
    QCOMPARE(ToolWindow::pulledInside(QPoint(3100, 1000), size, projector),
             QPoint(1920 + 1280 - 290, 30 + 994 - 93));
}

void ToolWindowTest::followsTheMainWindow()
{
    QWidget main;
    main.setGeometry(50, 50, 600, 400);
    QWidget anchor(&main);
    anchor.setGeometry(20, 50, 60, 36);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    ToolWindow window(picture(248, 67), &anchor, &main, QString());
    const QPoint offset = window.pos() - anchor.mapToGlobal(QPoint());

    // A drag moves the window away; the next move of the main window brings it back beside its button.
    window.move(window.pos() + QPoint(40, 40));
    main.move(80, 70);
    QTRY_COMPARE(window.pos() - anchor.mapToGlobal(QPoint()), offset);
}

void ToolWindowTest::closeButtonAndTitle()
{
    QWidget main;
    ToolWindow window(picture(290, 45), nullptr, &main, QStringLiteral("Line"));
    window.show();
    QCOMPARE(window.closeButton->pos(), QPoint(272, 4));
    QLabel *title = window.findChild<QLabel *>();
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Line"));
    QCOMPARE(title->pos(), QPoint(8, 2));

    QTest::mouseClick(window.closeButton, Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void ToolWindowTest::focusElsewhereCloses()
{
    QWidget main;
    ToolWindow window(picture(290, 45), nullptr, &main, QString());
    QLabel inside(&window);
    window.show();
    window.focusChanged(nullptr, &inside);
    QVERIFY(window.isVisible());
    window.focusChanged(&inside, &main);
    QVERIFY(!window.isVisible());
}

void ToolWindowTest::aboutWindowLayout()
{
    AboutToolWindow about(nullptr, nullptr, picture(248, 100));
    about.show();
    QCOMPARE(about.size(), QSize(248, 100));
    QCOMPARE(about.closeButton->pos(), QPoint(230, 4));
    ImageButton *ok = nullptr;
    for (ImageButton *button : about.findChildren<ImageButton *>()) {
        if (button != about.closeButton)
            ok = button;
    }
    QVERIFY(ok);
    QCOMPARE(ok->pos(), QPoint(90, 70));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    bool versionShown = false;
    for (QLabel *label : about.findChildren<QLabel *>())
        versionShown |= label->text() == QStringLiteral("Version 2.00");
    QVERIFY(versionShown);
}

void ToolWindowTest::aboutOkHides()
{
    AboutToolWindow about(nullptr, nullptr, picture(248, 100));
    about.show();
    for (ImageButton *button : about.findChildren<ImageButton *>()) {
        if (button != about.closeButton)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(ToolWindowTest)
#include "tst_toolwindow.moc"
