#ifndef HORIZONTALSLIDER_H
#define HORIZONTALSLIDER_H

#include <QImage>
#include <QWidget>

// A fully painted horizontal slider: a track picture stretched over the whole widget and a bar
// picture that marks the value. The track runs from x = 6 to x = width - 6 and every value of the
// range owns an equal slice of it. Only the mouse emits valueChanged(); setValue() is silent, so
// programmatic updates (a position tick) do not echo back.
class HorizontalSlider : public QWidget
{
    Q_OBJECT

public:
    HorizontalSlider(const QImage &bar, QWidget *parent);

    // No clamping of the stored value, no repaint. A maximum below the minimum makes the range
    // the single value of its minimum.
    void setRange(int minimum, int maximum);
    void setBarWidth(int width);
    // Stores the value as given (drawn clamped to the track ends) and repaints.
    void setValue(int value);

    // The value a mouse press at widget x selects.
    int valueAt(int x) const;
    // Left edge of the bar as it is drawn for the current value.
    int barPosition() const;

    static constexpr int TrackMargin = 6;

    QImage background;
    QImage barImage;
    int barWidth = 96;
    int value = 0;
    int minimum = 0;
    int maximum = 100;

signals:
    void valueChanged(int value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int valueCount() const;
    double step() const;
    void takeValueFrom(QMouseEvent *event);
};

#endif
