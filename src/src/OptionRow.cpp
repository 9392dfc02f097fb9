#include "OptionRow.h"

#include "ImageButton.h"

OptionRow::OptionRow(QWidget *window, const QStringList &pictures, int x, int y, int step,
                     QObject *receiver, const char *slot)
    : QButtonGroup(window)
{
    setExclusive(true);
    for (const QString &picture : pictures) {
        ImageButton *button = new ImageButton(picture, window, x, y);
        button->setCheckable(true);
        addButton(button, -1);
        connect(button, SIGNAL(clicked()), receiver, slot);
        buttons.append(button);
        x += step;
    }
}

int OptionRow::indexOf(QObject *button) const
{
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i) == button)
            return i;
    }
    return -1;
}

void OptionRow::check(int index)
{
    if (index < 0 || index >= buttons.size())
        return;
    buttons.at(index)->setChecked(true);
}
