#include "EffectToolWindow.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "MaskToolWindow.h"
#include "OSDProcessor.h"

#include <QLabel>
#include <QtTest>

namespace {

int checkedIndex(const QVector<ImageButton *> &buttons)
{
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i)->isChecked())
            return i;
    }
    return -1;
}

QString titleOf(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->pos() == QPoint(8, 2))
            return label->text();
    }
    return QString();
}

} // namespace

class EffectMaskWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void effectWindowShowsTheCanvasEffect();
    void choosingAnEffectChangesCanvasButtonAndDisplay();
    void maskWindowShowsTheCanvasMask();
    void choosingAMaskSwitchesTheMaskButtonOn();
    void bothFollowTheModeSwitch();

private:
    MainWindow *window = nullptr;
};

void EffectMaskWindowTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
}

void EffectMaskWindowTest::init()
{
    window = new MainWindow;
}

void EffectMaskWindowTest::cleanup()
{
    delete window;
    window = nullptr;
}

void EffectMaskWindowTest::effectWindowShowsTheCanvasEffect()
{
    window->currentCanvas->effect = 2;
    EffectToolWindow tool(window->effectButton, window);
    QCOMPARE(tool.size(), QSize(248, 67));
    QCOMPARE(titleOf(&tool), QStringLiteral("Color Effect"));
    QCOMPARE(tool.effectButtons.size(), 4);
    QCOMPARE(checkedIndex(tool.effectButtons), 2);
    QCOMPARE(tool.effectButtons.at(2)->pos(), QPoint(124, 18));
    QCOMPARE(tool.effectButtons.at(3)->imageName, QStringLiteral("ICON_EFFECT_SUB_MOSAIC"));

    // An effect outside the list leaves the check where it was.
    window->currentCanvas->effect = 9;
    tool.modeChanged();
    QCOMPARE(checkedIndex(tool.effectButtons), 2);
}

void EffectMaskWindowTest::choosingAnEffectChangesCanvasButtonAndDisplay()
{
    OSDProcessor *osd = window->osdByCanvas.value(window->currentCanvas);
    EffectToolWindow tool(window->effectButton, window);
    QCOMPARE(checkedIndex(tool.effectButtons), 0);

    QTest::mouseClick(tool.effectButtons.at(3), Qt::LeftButton);
    QCOMPARE(int(window->currentCanvas->effect), 3);
    QCOMPARE(window->effectButton->imageName, QStringLiteral("ICON_EFFECT_MOSAIC"));
    QCOMPARE(osd->effectText, QStringLiteral("Mosaic"));
    QVERIFY(!osd->effectImage.isNull());
    QCOMPARE(checkedIndex(tool.effectButtons), 3);
}

void EffectMaskWindowTest::maskWindowShowsTheCanvasMask()
{
    {
        MaskToolWindow tool(window->maskButton, window);
        QCOMPARE(tool.size(), QSize(248, 67));
        QCOMPARE(tool.maskButtons.size(), 4);
        QCOMPARE(tool.maskButtons.at(0)->imageName, QStringLiteral("ICON_MASK_SUB_CIRCLE"));
        QCOMPARE(tool.maskButtons.at(3)->pos(), QPoint(184, 18));
        QCOMPARE(checkedIndex(tool.maskButtons), -1);
    }
    window->currentCanvas->mask = 4;
    MaskToolWindow tool(window->maskButton, window);
    QCOMPARE(checkedIndex(tool.maskButtons), 3);
}

void EffectMaskWindowTest::choosingAMaskSwitchesTheMaskButtonOn()
{
    OSDProcessor *osd = window->osdByCanvas.value(window->currentCanvas);
    QVERIFY(!window->maskButton->isChecked());
    MaskToolWindow tool(window->maskButton, window);

    QTest::mouseClick(tool.maskButtons.at(1), Qt::LeftButton);
    QCOMPARE(int(window->currentCanvas->mask), 2);
    QVERIFY(window->maskButton->isChecked());
    QCOMPARE(window->maskButton->imageName, QStringLiteral("ICON_MASK_RECTANGLE"));
    QVERIFY(!osd->maskImage.isNull());
    QCOMPARE(checkedIndex(tool.maskButtons), 1);
}

void EffectMaskWindowTest::bothFollowTheModeSwitch()
{
    window->liveCanvas->effect = 1;
    window->liveCanvas->mask = 3;
    window->photographCanvas->effect = 2;
    window->photographCanvas->mask = 1;
    EffectToolWindow effects(window->effectButton, window);
    MaskToolWindow masks(window->maskButton, window);
    QCOMPARE(checkedIndex(effects.effectButtons), 1);
    QCOMPARE(checkedIndex(masks.maskButtons), 2);

    QTest::mouseClick(window->photographButton, Qt::LeftButton);
    QCOMPARE(checkedIndex(effects.effectButtons), 2);
    QCOMPARE(checkedIndex(masks.maskButtons), 0);

    // The choice now goes to the photograph canvas only.
    QTest::mouseClick(effects.effectButtons.at(0), Qt::LeftButton);
    QCOMPARE(int(window->photographCanvas->effect), 0);
    QCOMPARE(int(window->liveCanvas->effect), 1);
}

QTEST_MAIN(EffectMaskWindowTest)
#include "tst_effectmaskwindow.moc"
