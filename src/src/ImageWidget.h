#ifndef IMAGEWIDGET_H
#define IMAGEWIDGET_H

#include <QImage>
#include <QWidget>

// A fixed picture at its own size.
class ImageWidget : public QWidget
{
    Q_OBJECT

public:
    ImageWidget(const QImage &image, QWidget *parent = nullptr);

    QImage image() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture;
};

#endif
