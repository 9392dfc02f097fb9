#include "ThumbnailWidget.h"

#include "HorizontalSlider.h"
#include "PhotographSource.h"
#include "ThumbnailButton.h"
#include "ThumbnailLoader.h"

#include <QPainter>

namespace {
const int LeftMargin = 50;
}

ThumbnailWidget::ThumbnailWidget(PhotographSource *source, HorizontalSlider *slider, QWidget *parent)
    : ImageWidget(QImage(QStringLiteral(":/icons/Background/THUMBNIL_BAR.png")), parent)
    , source(source)
    , slider(slider)
    , loader(new ThumbnailLoader(ThumbnailButton::ThumbnailSize, this))
{
    group.setExclusive(true);
    connect(loader, &ThumbnailLoader::thumbnailRead, this, &ThumbnailWidget::thumbnailRead);
    reload();
    connect(source, &PhotographSource::folderChanged, this, &ThumbnailWidget::reload);
    connect(source, SIGNAL(photographChanged(int)), this, SLOT(photographChanged(int)));
    connect(slider, SIGNAL(valueChanged(int)), this, SLOT(viewChanged(int)));
}

ThumbnailWidget::~ThumbnailWidget()
{
    // Nothing the loader still makes is wanted: it ends after the thumbnail in hand.
    loader->finishPass();
}

int ThumbnailWidget::pitch() const
{
    return ThumbnailButton::ThumbnailSize.width() + spacing;
}

// How many thumbnails fit between the margins, never more than there are pictures nor fewer
// than none.
int ThumbnailWidget::fittingCount() const
{
    return qBound(0, (width() - LeftMargin - rightMargin) / pitch(), paths.size());
}

void ThumbnailWidget::reload()
{
    const QStringList listed = source->filePaths();
    const bool sameList = listed == paths && buttons.size() == paths.size();
    paths = listed;
    if (!sameList)
        rebuildButtons();

    left = LeftMargin;
    rightMargin = 40;
    spacing = 10;
    top = 5;
    visible = fittingCount();
    left = (width() - pitch() * visible) / 2;
    first = qMax(qMin(first, paths.size() - visible), 0);
    layout();
    slider->setRange(0, paths.size() - visible);

    startLoading();
}

void ThumbnailWidget::rebuildButtons()
{
    for (ThumbnailButton *button : qAsConst(buttons)) {
        group.removeButton(button);
        delete button;
    }
    buttons.clear();
    for (int i = 0; i < paths.size(); ++i) {
        auto *button = new ThumbnailButton(this);
        button->hide();
        button->setFixedSize(ThumbnailButton::ThumbnailSize);
        connect(button, SIGNAL(clicked()), this, SLOT(photographSelected()));
        buttons << button;
        group.addButton(button);
    }
    madeFor = QVector<qint64>(paths.size(), ThumbnailLoader::UnknownTime);
}

// The thumbnails on screen first, then the others by their distance from the screen.
void ThumbnailWidget::startLoading()
{
    QList<ThumbnailLoader::Job> jobs;
    jobs.reserve(paths.size());
    const auto add = [&](int i) { jobs.append({i, paths.at(i), madeFor.at(i)}); };
    const int last = first + visible - 1;
    for (int i = first; i <= last; ++i)
        add(i);
    for (int distance = 1; first - distance >= 0 || last + distance < paths.size(); ++distance) {
        if (last + distance < paths.size())
            add(last + distance);
        if (first - distance >= 0)
            add(first - distance);
    }
    loader->startPass(++pass, jobs);
}

void ThumbnailWidget::thumbnailRead(int pass, int index, const QImage &image, qint64 modified)
{
    if (pass != this->pass || index < 0 || index >= buttons.size())
        return;
    madeFor[index] = modified;
    if (image.isNull())
        buttons.at(index)->clearImage();
    else
        buttons.at(index)->setImage(image);
}

void ThumbnailWidget::layout()
{
    for (ThumbnailButton *button : qAsConst(buttons))
        button->hide();
    const int end = qMin(first + visible, buttons.size());
    for (int j = qMax(first, 0); j < end; ++j) {
        ThumbnailButton *button = buttons.at(j);
        button->move(left + (j - first) * pitch(), top);
        button->show();
        button->raise();
    }
    loader->prefer(first, first + visible - 1);
}

void ThumbnailWidget::photographSelected()
{
    const int id = buttons.indexOf(qobject_cast<ThumbnailButton *>(sender()));
    if (id >= 0)
        source->selectPhotograph(id);
}

void ThumbnailWidget::photographChanged(int id)
{
    if (id < 0 || id >= buttons.size())
        return;
    if (id < first) {
        slider->setValue(id);
        first = id;
        layout();
    } else if (id >= first + visible) {
        slider->setValue(id - visible + 1);
        first = id - visible + 1;
        layout();
    }
    buttons.at(id)->setChecked(true);
}

void ThumbnailWidget::viewChanged(int first)
{
    this->first = first;
    layout();
}

void ThumbnailWidget::resizeEvent(QResizeEvent *)
{
    // Counted between the fixed margins, as reload() does: counting from the centred left edge
    // of a wider strip would leave out thumbnails that fit, or none at all.
    visible = fittingCount();
    left = (width() - pitch() * visible) / 2;
    slider->setRange(0, paths.size() - visible);
    first = qMax(qMin(first, paths.size() - visible), 0);
    layout();
}

void ThumbnailWidget::paintEvent(QPaintEvent *)
{
    const QImage background = image();
    if (background.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, background.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
