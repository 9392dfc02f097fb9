#ifndef ELIDEDCOMBOBOX_H
#define ELIDEDCOMBOBOX_H

#include <QComboBox>

// A combo box that shows its current text whole where it fits and elided at the end where it
// does not, with the whole text as the box's tool tip then. The list shows every item whole.
class ElidedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ElidedComboBox(QWidget *parent = nullptr);

    // The text the closed box shows.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int textRoom() const;
    void updateToolTip();
};

#endif
