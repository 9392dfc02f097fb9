#ifndef PANEL_H
#define PANEL_H

#include <QImage>
#include <QList>
#include <QWidget>

class QGridLayout;

// The side tool bar: a fixed-width column painted from a top, a stretched middle and a bottom
// picture, laying tool buttons out two per row under group titles. Clicking a title collapses or
// expands the enabled buttons of its group.
class Panel : public QWidget
{
    Q_OBJECT

public:
    explicit Panel(QWidget *parent);

    // Title button spanning both columns; closes a half-filled row first.
    void addGroup(QString title);
    // Next free cell, two per row.
    void addButton(QWidget *button);
    // Pushes everything added so far to the top.
    void addStretch();
    // Every widget added is visible exactly when it is enabled.
    void showEnabledOnly();

    QImage top;
    QImage midScaled;
    QImage mid;
    QImage bottom;
    // Note: hides QWidget::layout(); this is the same grid, already typed.
    QGridLayout *layout;
    int row = 0;
    int column = 0;
    QList<QWidget *> buttons;
    QList<int> groupTitles;

public slots:
    void toggleGroup();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

#endif
