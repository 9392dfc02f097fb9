#ifndef THUMBNAILWIDGET_H
#define THUMBNAILWIDGET_H

#include "ImageWidget.h"

#include <QButtonGroup>
#include <QList>
#include <QStringList>
#include <QVector>

class HorizontalSlider;
class PhotographSource;
class ThumbnailButton;
class ThumbnailLoader;

// The strip of thumbnails over the photograph canvas: as many as fit, centred, scrolled by a
// slider, the current picture's thumbnail checked; clicking a thumbnail selects its picture.
// The thumbnails fill in as the loader thread reads them, those on screen first. A folder shown
// again with the same pictures keeps its thumbnails; only pictures modified since are read again.
class ThumbnailWidget : public ImageWidget
{
    Q_OBJECT

public:
    ThumbnailWidget(PhotographSource *source, HorizontalSlider *slider, QWidget *parent);
    ~ThumbnailWidget() override;

    // Rebuilds the strip from the source's current list and starts reading its thumbnails. The
    // source's folderChanged() calls it; it never waits for the loader.
    void reload();

    const QList<ThumbnailButton *> &thumbnailButtons() const { return buttons; }
    int visibleCount() const { return visible; }
    int firstShown() const { return first; }

public slots:
    void photographSelected();
    void photographChanged(int id);

private slots:
    void viewChanged(int first);
    void thumbnailRead(int pass, int index, const QImage &image, qint64 modified);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layout();
    void rebuildButtons();
    void startLoading();
    int fittingCount() const;
    int pitch() const;

    PhotographSource *source;
    HorizontalSlider *slider;
    int visible = 0;
    int first = 0;
    int left = 50;
    ThumbnailLoader *loader;
    QButtonGroup group;
    QList<ThumbnailButton *> buttons;
    int rightMargin = 40;
    int spacing = 10;
    int top = 5;
    QStringList paths;
    // Per button, the modification time of the picture its thumbnail was made for.
    QVector<qint64> madeFor;
    // Number of the loader's pass for the current list; thumbnails of earlier passes are dropped.
    int pass = 0;
};

#endif
