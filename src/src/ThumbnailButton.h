#ifndef THUMBNAILBUTTON_H
#define THUMBNAILBUTTON_H

#include <QImage>
#include <QPushButton>
#include <QSize>

// One thumbnail of the strip: black until its picture has been read, framed red when checked or
// pressed, white under the mouse and grey otherwise.
class ThumbnailButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ThumbnailButton(QWidget *parent);

    static constexpr QSize ThumbnailSize{56, 50};

    void setImage(const QImage &image);
    // Back to black, as before any picture was read.
    void clearImage();

    bool hovered = false;
    bool hasImage = false;
    QImage image;

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

#endif
