#ifndef IMAGEBUTTON_H
#define IMAGEBUTTON_H

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <QTimer>

class QPainter;

// A push button drawn from three pictures looked up by name: ":/icons/Normal/<name>.png" when
// idle, ":/icons/Over/<name>.png" under the cursor and ":/icons/Click/<name>.png" while pressed or
// checked. It is as large as its normal picture. Keeping the left button down for 500 ms emits
// hold() once, on top of the usual clicked() at release.
class ImageButton : public QPushButton
{
    Q_OBJECT

public:
    ImageButton(QString name, QWidget *parent, int x, int y);
    ImageButton(QString name, QString toolTip, QWidget *parent, int x, int y);

    // Swaps all three pictures; a missing Over or Click picture falls back to the Normal one.
    void setImage(QString name);
    // Caption colour; until set, captions are black.
    void setTextColor(QColor color);

    // Marks a button whose long press opens an options window: a small corner triangle in the
    // artwork's ink, and a tool tip line that says so.
    void setOptionsMark(bool on);
    bool hasOptionsMark() const { return optionsMark; }
    static QString optionsToolTip(const QString &toolTip);

    // The picture the next paint draws for the current state.
    const QImage &currentImage() const;

    static constexpr int HoldInterval = 500;

    // Name the pictures were last looked up by.
    QString imageName;
    bool hovered = false;
    QColor textColor;
    QImage normalImage;
    QImage overImage;
    QImage clickImage;
    QTimer holdTimer;
    bool optionsMark = false;

signals:
    void hold();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintOptionsMark(QPainter &painter);
};

#endif
