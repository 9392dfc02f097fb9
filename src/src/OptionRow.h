#ifndef OPTIONROW_H
#define OPTIONROW_H

#include <QButtonGroup>
#include <QStringList>
#include <QVector>

class ImageButton;

// One row of checkable picture buttons on a tool window, evenly spaced from left to right; at
// most one of them is checked at a time.
class OptionRow : public QButtonGroup
{
    Q_OBJECT

public:
    // One button per picture name, the first at (x, y), each next one step pixels further right.
    // Every button's clicked() goes to the receiver's slot.
    OptionRow(QWidget *window, const QStringList &pictures, int x, int y, int step,
              QObject *receiver, const char *slot);

    // Position of a button of this row in the row, or -1 (null, or another row's button).
    int indexOf(QObject *button) const;
    // Checks the button at the index; an index outside the row changes nothing.
    void check(int index);

    QVector<ImageButton *> buttons;
};

#endif
