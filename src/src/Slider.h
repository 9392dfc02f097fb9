#ifndef SLIDER_H
#define SLIDER_H

#include <QSlider>

// A QSlider in the program's skin: the time-slide groove when horizontal, the volume groove when
// vertical, the round adjustment knob in both. Range, steps, ticks and size are the caller's.
class Slider : public QSlider
{
    Q_OBJECT

public:
    Slider(Qt::Orientation orientation, QWidget *parent);

    static const char *const StyleSheet;

public slots:
    void showOrHide();
};

#endif
