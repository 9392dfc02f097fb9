#include "ImageButton.h"
#include "Panel.h"

#include <QGridLayout>
#include <QtTest>

namespace {

QPoint cellOf(Panel &panel, QWidget *widget)
{
    int row, column, rowSpan, columnSpan;
    panel.layout->getItemPosition(panel.layout->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}

int columnSpanOf(Panel &panel, QWidget *widget)
{
    int row, column, rowSpan, columnSpan;
    panel.layout->getItemPosition(panel.layout->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
    return columnSpan;
}

ImageButton *titleOf(Panel &panel, int group)
{
    return qobject_cast<ImageButton *>(panel.buttons.at(panel.groupTitles.at(group)));
}

} // namespace

class TestPanel : public QObject
{
    Q_OBJECT

private slots:
    void buttonsFillTwoColumnsUnderTitles();
    void stretchClosesAHalfRow();

    void showEnabledOnlyHidesDisabledTools();
    void titleClickCollapsesAndExpandsItsGroupOnly();
    void groupOfDisabledButtonsOnlySwitchesTheTitle();
    void otherSendersLeaveThePanelAlone();
};

void TestPanel::buttonsFillTwoColumnsUnderTitles()
{
    Panel panel(nullptr);
    panel.addGroup(tr("Noting"));
    QWidget *a = new QWidget;
    QWidget *b = new QWidget;
    QWidget *c = new QWidget;
    panel.addButton(a);
    panel.addButton(b);
    panel.addButton(c);
    panel.addGroup(tr("View"));

    ImageButton *first = titleOf(panel, 0);
    ImageButton *second = titleOf(panel, 1);
    QCOMPARE(cellOf(panel, first), QPoint(0, 0));
    QCOMPARE(columnSpanOf(panel, first), 2);
    QCOMPARE(cellOf(panel, a), QPoint(0, 1));
    QCOMPARE(cellOf(panel, b), QPoint(1, 1));
    QCOMPARE(cellOf(panel, c), QPoint(0, 2));
    QCOMPARE(cellOf(panel, second), QPoint(0, 3));
    QCOMPARE(columnSpanOf(panel, second), 2);

    QCOMPARE(panel.buttons, (QList<QWidget *>{first, a, b, c, second}));
    QCOMPARE(panel.groupTitles, (QList<int>{0, 4}));
    QCOMPARE(second->text(), QStringLiteral("View"));
    QCOMPARE(second->textColor, QColor(Qt::white));
    QCOMPARE(second->font().family(), QStringLiteral("Arial"));
    QCOMPARE(second->font().pointSize(), 10);
    QCOMPARE(second->imageName, QStringLiteral("TOOL_TITLE_OPEN"));
}

void TestPanel::stretchClosesAHalfRow()
{
    Panel panel(nullptr);
    panel.addButton(new QWidget);
    panel.addStretch();
    QCOMPARE(panel.row, 1); // the half row is closed, nothing more
    QCOMPARE(panel.column, 1);

    QLayoutItem *spacer = panel.layout->itemAtPosition(1, 0);
    QVERIFY(spacer && spacer->spacerItem());
    int row, column, rowSpan, columnSpan;
    panel.layout->getItemPosition(panel.layout->indexOf(spacer), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(columnSpan, 2);
}

void TestPanel::showEnabledOnlyHidesDisabledTools()
{
    Panel panel(nullptr);
    panel.addGroup(tr("Tools"));
    QWidget *on = new QWidget;
    QWidget *off = new QWidget;
    panel.addButton(on);
    panel.addButton(off);
    off->setEnabled(false);
    titleOf(panel, 0)->setEnabled(false);
    panel.show();

    panel.showEnabledOnly();
    QVERIFY(on->isVisible());
    QVERIFY(off->isHidden());
    QVERIFY(titleOf(panel, 0)->isHidden());
}

void TestPanel::titleClickCollapsesAndExpandsItsGroupOnly()
{
    Panel panel(nullptr);
    panel.addGroup(tr("One"));
    QWidget *a = new QWidget;
    QWidget *b = new QWidget;
    QWidget *disabled = new QWidget;
    panel.addButton(a);
    panel.addButton(b);
    panel.addButton(disabled);
    panel.addGroup(tr("Two"));
    QWidget *other = new QWidget;
    panel.addButton(other);
    disabled->setEnabled(false);
    panel.showEnabledOnly();
    panel.show();

    ImageButton *title = titleOf(panel, 0);
    emit title->clicked();
    QVERIFY(a->isHidden());
    QVERIFY(b->isHidden());
    QVERIFY(disabled->isHidden());
    QVERIFY(!other->isHidden());
    QCOMPARE(title->imageName, QStringLiteral("TOOL_TITLE_CLOSE"));

    emit title->clicked();
    QVERIFY(!a->isHidden());
    QVERIFY(!b->isHidden());
    QVERIFY(disabled->isHidden());
    QCOMPARE(title->imageName, QStringLiteral("TOOL_TITLE_OPEN"));

    // The last group runs to the end of the list.
    emit titleOf(panel, 1)->clicked();
    QVERIFY(other->isHidden());
    QVERIFY(!a->isHidden());
}

void TestPanel::groupOfDisabledButtonsOnlySwitchesTheTitle()
{
    Panel panel(nullptr);
    panel.addGroup(tr("Film"));
    QWidget *a = new QWidget;
    QWidget *b = new QWidget;
    panel.addButton(a);
    panel.addButton(b);
    a->setEnabled(false);
    b->setEnabled(false);
    panel.showEnabledOnly();

    emit titleOf(panel, 0)->clicked();
    QCOMPARE(titleOf(panel, 0)->imageName, QStringLiteral("TOOL_TITLE_CLOSE"));
    QVERIFY(a->isHidden());
    QVERIFY(b->isHidden());

    emit titleOf(panel, 0)->clicked();
    QCOMPARE(titleOf(panel, 0)->imageName, QStringLiteral("TOOL_TITLE_CLOSE"));
}

void TestPanel::otherSendersLeaveThePanelAlone()
{
    Panel panel(nullptr);
    panel.addGroup(tr("One"));
    ImageButton *stranger = new ImageButton(QStringLiteral("X"), nullptr, 0, 0);
    QWidget *a = new QWidget;
    panel.addButton(a);
    connect(stranger, SIGNAL(clicked()), &panel, SLOT(toggleGroup()));
    panel.show();

    emit stranger->clicked();
    QMetaObject::invokeMethod(&panel, "toggleGroup");
    panel.addButton(stranger); // a tool of the panel is not a title either
    emit stranger->clicked();

    QVERIFY(!a->isHidden());
    QCOMPARE(stranger->imageName, QStringLiteral("X"));
    QCOMPARE(titleOf(panel, 0)->imageName, QStringLiteral("TOOL_TITLE_OPEN"));
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
