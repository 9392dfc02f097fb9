#include "ImageCanvas.h"

#include "CanvasConstants.h"
#include "DisplayFit.h"
#include "FrameBuffer.h"
#include "ImageEffect.h"
#include "ImageMask.h"
#include "OSDProcessor.h"
#include "PictureScaler.h"
#include "ThreadHandOver.h"

#include <QClipboard>
#include <QDebug>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QPainter>
#include <QPen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

const QSize FillPictureSize(1280, 720);
const int RefreshIntervalMs = 40;
const QString StartPicture = QStringLiteral(":/icons/Background/MAIN_WINDOWS.png");
const int TextEditorMaxSide = 300;
const int TextEditorMargin = 5;
// Room for a few letters of a line: a box placed nearer an edge moves in.
const int TextEditorMinWidth = 60;
const int TextEditorMinHeight = 40;
// Transparent over the picture; the dashed mid-grey frame shows on dark and light pictures alike.
const QString TextEditorStyle =
    QStringLiteral("QTextEdit { background: transparent; border: 1px dashed #808080; }");
const qint64 UndoMessageTime = 1000;

// The smallest rectangle of whole mosaic blocks (counted from the frame's corner) around rect.
QRect blockAligned(const QRect &rect, const QRect &frame)
{
    const int block = ImageEffect::MosaicBlock;
    const int left = rect.left() / block * block;
    const int top = rect.top() / block * block;
    const int right = (rect.right() / block + 1) * block - 1;
    const int bottom = (rect.bottom() / block + 1) * block - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom)) & frame;
}

// The rectangle of the frame as a picture of its own, without copying: it reads the frame's
// rows, and anything that writes to it detaches into a copy first. It must not outlive the frame,
// so it never leaves one pass of the frame path (only whole frames are output unscaled).
QImage readOnlyView(const QImage &frame, const QRect &rect)
{
    const uchar *first = frame.constScanLine(rect.y()) + rect.x() * (frame.depth() / 8);
    return QImage(first, rect.width(), rect.height(), frame.bytesPerLine(), frame.format());
}

} // namespace

ImageCanvas::ImageCanvas(QWidget *parent)
    : QWidget(parent)
    , textEdit(new QTextEdit(this))
    , snapshotWriter([this](const SnapshotWriter::Result &result) { snapshotWritten(result); })
{
    clockBase.start();
    textEdit->hide();
    textEdit->setContextMenuPolicy(Qt::NoContextMenu);
    textEdit->setStyleSheet(TextEditorStyle);
    textEdit->viewport()->setAutoFillBackground(false);
    connect(textEdit->document(), &QTextDocument::contentsChanged, this, [this] {
        if (!textEdit->isHidden())
            fitTextEditor();
    });
    setFont(QFont(QStringLiteral("Arial"), 18));
    m_textFamily = font().family();
    m_textPointSize = font().pointSize();

    connect(this, SIGNAL(updateFromWorker()), this, SLOT(update()), Qt::QueuedConnection);
    processImage(QImage(StartPicture));
    refreshTimer.setInterval(RefreshIntervalMs);
    connect(&refreshTimer, SIGNAL(timeout()), this, SLOT(autoRefresh()));
}

ImageCanvas::~ImageCanvas() = default;

void ImageCanvas::processSample(uchar *data, int width, int height, bool bottomUp, bool rgb32)
{
    processFrame(data, width, height, bottomUp, rgb32);
}

void ImageCanvas::processFrame(uchar *data, int width, int height, bool bottomUp, bool rgb32)
{
    {
        Lock lock(mutex);
        // A frozen picture of the same size needs nothing from the new frame but its place in
        // the buffer, which the write-back fills.
        const bool frozenNow = frozen;
        const bool keepHeld = frozenNow && !heldFrame.isNull() && heldFrame.size() == QSize(width, height);
        if (!keepHeld)
            takeFrameLocked(FrameBuffer::read(data, width, height, bottomUp, rgb32, std::move(spareFrame)));
        renderHeldFrameLocked(frozenNow);
        FrameBuffer::write(lastOutput, data, width, height, bottomUp, rgb32);
    }
    emit updateFromWorker();
}

void ImageCanvas::processImage(const QImage &image)
{
    {
        Lock lock(mutex);
        // Converting is all the packing a picture needs: an RGB888 picture already is the frame
        // a packed buffer would describe, and one in that format is shared, not copied.
        const QImage frame = image.convertToFormat(QImage::Format_RGB888);
        const bool frozenNow = frozen;
        const bool keepHeld = frozenNow && !heldFrame.isNull() && heldFrame.size() == frame.size();
        if (!keepHeld)
            takeFrameLocked(frame);
        renderHeldFrameLocked(frozenNow);
    }
    emit updateFromWorker();
}

void ImageCanvas::fillWithColor(const QColor &color)
{
    QImage picture(FillPictureSize, QImage::Format_RGB888);
    picture.fill(color);
    processImage(picture);
}

void ImageCanvas::takeFrameLocked(QImage frame)
{
    // The old frame's buffer is still shown until this pass replaces the output; once it is
    // ours alone it carries the next frame.
    spareFrame = std::move(heldFrame);
    heldFrame = std::move(frame);
}

void ImageCanvas::renderHeldFrameLocked(bool frozenNow)
{
    const int effectNow = effect;
    const int maskNow = mask;

    if (heldFrame.size() != view.source)
        adoptSourceSizeLocked(heldFrame.size());

    QImage cut = cutViewLocked(heldFrame, effectNow);
    ImageMask::apply(cut, maskNow);
    QImage output = fitToSource(cut, std::move(spareOutput));
    snapshotStepLocked(output);

    // Once only we hold the previous output, its buffer takes the output after next.
    QImage previousOutput = std::move(lastOutput);
    lastOutput = output;
    displayImage = output;
    if (previousOutput.isDetached())
        spareOutput = std::move(previousOutput);
    publishedDisplayWidth = output.width();
    publishedDisplayHeight = output.height();

    renderedChangeCount = changeCount;
    renderedEffect = effectNow;
    renderedMask = maskNow;
    renderedFrozen = frozenNow;
    if (!spareFrame.isDetached())
        spareFrame = QImage();
}

void ImageCanvas::adoptSourceSizeLocked(const QSize &size)
{
    view.setSourceSize(size);
    const QSize layerSize = view.rotatedSize();
    annotationLayer = QImage();
    if (!layerSize.isEmpty()) {
        annotationLayer = QImage(layerSize, QImage::Format_ARGB32_Premultiplied);
        annotationLayer.fill(Qt::transparent);
    }
    // A stroke under way goes on over the new layer, never back to one of the old size.
    layerBackup = annotationLayer;
    ++layerGeneration;
    viewChangedLocked();
}

QImage ImageCanvas::cutViewLocked(const QImage &frame, int effectNow) const
{
    const QRect cut = view.cutRect();
    if (cut.isEmpty() || frame.isNull())
        return QImage();
    const QRect turnedRect(QPoint(0, 0), view.rotatedSize());
    if (!turnedRect.contains(cut)) {
        QImage whole = AnnotationHistory::turned(frame, view.rotation);
        decorateLocked(whole, turnedRect, effectNow);
        return whole.copy(cut);
    }

    // Only the part of the frame the view shows is turned, drawn on and given the effect; the
    // mosaic needs its blocks whole, so its part reaches out to the block grid of the frame.
    const QRect region = effectNow == EffectMosaic ? blockAligned(cut, turnedRect) : cut;
    const QRect source = ViewGeometry::unturnedRegion(region, view.rotation, frame.size());
    QImage part = AnnotationHistory::turned(source == frame.rect() ? frame : readOnlyView(frame, source),
                                            view.rotation);
    decorateLocked(part, region, effectNow);
    if (region == cut)
        return part;
    return part.copy(cut.translated(-region.topLeft()));
}

void ImageCanvas::decorateLocked(QImage &part, const QRect &region, int effectNow) const
{
    if (layerDirty && !annotationLayer.isNull()) {
        QPainter painter(&part);
        painter.drawImage(QPoint(0, 0), annotationLayer, region);
    }
    ImageEffect::apply(part, effectNow);
}

QImage ImageCanvas::fitToSource(const QImage &cut, QImage recycled) const
{
    const QSize source = view.source;
    if (cut.isNull() || cut.size() == source)
        return cut;
    const double r = std::min(double(source.width()) / cut.width(),
                              double(source.height()) / cut.height());
    const int scaledW = static_cast<int>(cut.width() * r);
    const int scaledH = static_cast<int>(cut.height() * r);
    QImage scaled;
    if (scaledW > 0 && scaledH > 0)
        scaled = PictureScaler::nearest(cut, scaledW, scaledH, std::move(recycled));
    if (scaled.width() >= source.width() && scaled.height() >= source.height())
        return scaled;

    // Black bars around a picture narrower or lower than the source.
    QImage boxed = PictureScaler::reuseOrCreate(std::move(recycled), source, cut.format());
    boxed.fill(QColor(Qt::black));
    QPainter painter(&boxed);
    painter.drawImage(QPoint((source.width() - scaledW) / 2, (source.height() - scaledH) / 2), scaled);
    return boxed;
}

void ImageCanvas::viewChangedLocked()
{
    ++changeCount;
    publishedZoom = view.zoom;
    publishedMinZoom = view.minZoom();
    publishedRotation = view.rotation;
}

bool ImageCanvas::needsRenderLocked() const
{
    return snapshots.isArmed() || changeCount != renderedChangeCount || effect != renderedEffect || mask != renderedMask
        || frozen != renderedFrozen;
}

void ImageCanvas::startAutoRefresh()
{
    refreshTimer.start();
}

void ImageCanvas::stopAutoRefresh()
{
    refreshTimer.stop();
}

bool ImageCanvas::isAutoRefreshRunning() const
{
    return refreshTimer.isActive();
}

void ImageCanvas::autoRefresh()
{
    bool changed;
    QImage frame;
    {
        Lock lock(mutex);
        changed = needsRenderLocked();
        if (changed)
            frame = heldFrame;
    }
    if (changed) {
        processImage(frame);
        return;
    }
    // A resting picture is neither rendered nor painted again unless the display has something
    // that comes, goes or changes.
    if (osd && osd->needsRepaint())
        update();
}

void ImageCanvas::precessFrameData()
{
}

void ImageCanvas::zoomIn()
{
    {
        Lock lock(mutex);
        if (!view.zoomIn())
            return;
        viewChangedLocked();
    }
    update();
}

void ImageCanvas::zoomOut()
{
    {
        Lock lock(mutex);
        view.zoomOut();
        viewChangedLocked();
    }
    update();
}

void ImageCanvas::zoomReset()
{
    Lock lock(mutex);
    view.zoomReset();
    viewChangedLocked();
}

void ImageCanvas::rotateClockwise()
{
    {
        Lock lock(mutex);
        view.rotateClockwise();
        if (!annotationLayer.isNull())
            annotationLayer = annotationLayer.transformed(QTransform().rotate(90));
        viewChangedLocked();
    }
    update();
}

void ImageCanvas::rotateCounterClockwise()
{
    {
        Lock lock(mutex);
        view.rotateCounterClockwise();
        if (!annotationLayer.isNull())
            annotationLayer = annotationLayer.transformed(QTransform().rotate(270));
        viewChangedLocked();
    }
    update();
}

double ImageCanvas::zoom() const
{
    return publishedZoom;
}

double ImageCanvas::minZoom() const
{
    return publishedMinZoom;
}

int ImageCanvas::rotation() const
{
    return publishedRotation;
}

QSize ImageCanvas::sourceSize() const
{
    Lock lock(mutex);
    return view.source;
}

QPoint ImageCanvas::viewOrigin() const
{
    Lock lock(mutex);
    return view.origin;
}

QImage ImageCanvas::currentImage() const
{
    Lock lock(mutex);
    return lastOutput;
}

QPoint ImageCanvas::mapToImage(const QPoint &point) const
{
    const QSize shown(publishedDisplayWidth, publishedDisplayHeight);
    return DisplayFit(size(), shown).toPicture(point);
}

void ImageCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Lock lock(mutex);
    const double zoomBefore = view.zoom;
    const QPoint originBefore = view.origin;
    view.refit();
    // Qt repaints a resized widget itself; the picture is rendered again only for a new view.
    if (view.zoom != zoomBefore || view.origin != originBefore)
        viewChangedLocked();
}

void ImageCanvas::paintEvent(QPaintEvent *)
{
    // The frame path may run meanwhile: it replaces displayImage, never the pixels of this copy.
    QImage picture;
    {
        Lock lock(mutex);
        picture = displayImage;
    }

    QPainter painter(this);
    const int W = width();
    const int H = height();
    if (!boardMode)
        painter.fillRect(QRect(2, 2, W - 4, H - 4), Qt::black);

    const DisplayFit fit(size(), picture.size());
    if (!fit.isEmpty())
        drawPicture(painter, picture, fit.target());

    if (osd)
        osd->paintOsd(&painter);

    painter.setPen(QPen(QColor(QStringLiteral("#484848")), 2.0, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(1, 1), QPoint(W - 2, H - 2)));
}

void ImageCanvas::drawPicture(QPainter &painter, const QImage &picture, const QRect &target)
{
    const qint64 key = picture.cacheKey();
    if (key != paintCacheKey) {
        // A new picture: most likely the next frame replaces it before it is painted again.
        paintCacheKey = key;
        paintCache = QImage();
        painter.drawImage(target, picture);
        return;
    }
    // The picture rests: scale it once and from now on only copy it to the screen. Scaled to
    // the screen's pixels, not the widget's, so a scaled screen shows it as sharp as the first
    // paint did.
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(target.size()) * ratio).toSize();
    if (paintCache.size() != devicePixels || paintCache.devicePixelRatio() != ratio) {
        paintCache = QImage(devicePixels, QImage::Format_RGB32);
        {
            QPainter cachePainter(&paintCache);
            cachePainter.drawImage(paintCache.rect(), picture);
        }
        paintCache.setDevicePixelRatio(ratio);
    }
    painter.drawImage(target.topLeft(), paintCache);
}

int ImageCanvas::drawMode() const
{
    return m_drawMode;
}

void ImageCanvas::setDrawMode(int mode)
{
    m_drawMode = mode;
    if (mode != Text)
        commitText();
}

void ImageCanvas::clearAnnotations()
{
    Lock lock(mutex);
    const QImage before = annotationLayer;
    const bool dirtyBefore = layerDirty;
    if (!annotationLayer.isNull())
        annotationLayer.fill(Qt::transparent);
    layerDirty = false;
    ++changeCount;
    recordLayerStepLocked(before, dirtyBefore);
}

bool ImageCanvas::hasDrawings() const
{
    Lock lock(mutex);
    return layerDirty;
}

QImage ImageCanvas::annotations() const
{
    Lock lock(mutex);
    return annotationLayer;
}

QColor ImageCanvas::textColor() const
{
    return m_textColor;
}

QString ImageCanvas::textFamily() const
{
    return m_textFamily;
}

int ImageCanvas::textPointSize() const
{
    return m_textPointSize;
}

void ImageCanvas::setTextColor(const QColor &color)
{
    m_textColor = color;
    applyTextFormat();
}

void ImageCanvas::setTextFamily(const QString &family)
{
    m_textFamily = family;
    applyTextFormat();
}

void ImageCanvas::setTextPointSize(int size)
{
    m_textPointSize = size;
    applyTextFormat();
}

void ImageCanvas::applyTextFormat()
{
    QTextCursor cursor = textEdit->textCursor();
    QTextCharFormat format = cursor.charFormat();
    QFont textFont(m_textFamily, m_textPointSize);
    textFont.setWeight(QFont::Normal);
    textFont.setItalic(false);
    format.setFont(textFont);
    format.setForeground(QBrush(m_textColor));
    cursor.setCharFormat(format);
    textEdit->setTextCursor(cursor);
}

void ImageCanvas::commitText()
{
    if (textEdit->isHidden())
        return;
    textEdit->hide();
    QTextCursor cursor = textEdit->textCursor();
    cursor.setPosition(0);
    textEdit->setTextCursor(cursor);

    Lock lock(mutex);
    if (annotationLayer.isNull() || width() <= 0 || height() <= 0)
        return;
    // The text keeps on the picture the size it had in the editor over the shown picture.
    const QSize turnedSize = view.rotatedSize();
    const double z = view.zoom;
    const double a = static_cast<int>(turnedSize.height() * z) / double(height());
    const double b = static_cast<int>(turnedSize.width() * z) / double(width());
    const double k = std::max(a, b) / (z * z);
    const QImage before = annotationLayer;
    const bool dirtyBefore = layerDirty;
    {
        QPainter painter(&annotationLayer);
        painter.translate(textPos);
        painter.scale(k, k);
        textEdit->document()->drawContents(&painter);
    }
    layerDirty = true;
    ++changeCount;
    recordLayerStepLocked(before, dirtyBefore);
}

QTextEdit *ImageCanvas::textEditor() const
{
    return textEdit;
}

QRect ImageCanvas::clipRect() const
{
    return clipSelection;
}

QRectF ImageCanvas::clipRectOnWidget() const
{
    const QSize shown(publishedDisplayWidth, publishedDisplayHeight);
    return DisplayFit(size(), shown).toWidget(clipSelection);
}

QPoint ImageCanvas::toLayerLocked(const QPoint &outputPoint) const
{
    return view.outputToFrame(outputPoint, displayImage.size());
}

DrawStyle ImageCanvas::drawStyle() const
{
    DrawStyle style;
    style.lineWidth = lineWidth;
    style.lineColor = lineColor;
    style.fillEnabled = fillEnabled;
    style.fillColor = fillColor;
    return style;
}

void ImageCanvas::mousePressEvent(QMouseEvent *event)
{
    Lock lock(mutex);
    lastPoint = mapToImage(event->pos());
    layerBackup = annotationLayer;
    strokeOpen = m_drawMode >= Freehand && m_drawMode <= Eraser;
    dirtyAtPress = layerDirty;
    rotationAtPress = view.rotation;
    if (m_drawMode >= Freehand && m_drawMode <= Triangle) {
        layerDirty = true;
        ++changeCount;
    }
}

void ImageCanvas::mouseMoveEvent(QMouseEvent *event)
{
    Lock lock(mutex);
    const QPoint cur = mapToImage(event->pos());
    switch (m_drawMode) {
    case Hand:
        view.setViewOrigin(view.origin.x() + lastPoint.x() - cur.x(),
                           view.origin.y() + lastPoint.y() - cur.y());
        lastPoint = cur;
        viewChangedLocked();
        return;
    case Clip:
        clipSelection = QRect(QPoint(std::max(std::min(lastPoint.x(), cur.x()), 0),
                                     std::max(std::min(lastPoint.y(), cur.y()), 0)),
                              QPoint(std::min(std::max(lastPoint.x(), cur.x()), view.source.width()),
                                     std::min(std::max(lastPoint.y(), cur.y()), view.source.height())));
        update();   // the display outlines the selection; nothing is rendered for it
        return;
    case Eraser:
        AnnotationPainter::erase(annotationLayer, toLayerLocked(cur), lineWidth);
        ++changeCount;
        return;
    case Text:
        return;
    case Freehand:
        AnnotationPainter::draw(annotationLayer, Freehand, toLayerLocked(lastPoint), toLayerLocked(cur), drawStyle());
        lastPoint = cur;
        ++changeCount;
        return;
    default:
        if (m_drawMode < Line || m_drawMode > Triangle)
            return;
        // Rubber band: the shape is drawn afresh over the layer as it was at the press.
        annotationLayer = layerBackup;
        AnnotationPainter::draw(annotationLayer, m_drawMode, toLayerLocked(lastPoint), toLayerLocked(cur), drawStyle());
        ++changeCount;
        return;
    }
}

void ImageCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    finishStroke();
    if (m_drawMode == Clip) {
        if (clipSelection.right() >= clipSelection.left() && clipSelection.bottom() >= clipSelection.top())
            copyClip();
        return;
    }
    if (m_drawMode != Text)
        return;
    if (!textEdit->isHidden()) {
        commitText();
        return;
    }
    openTextEditor(event->pos());
}

void ImageCanvas::openTextEditor(const QPoint &widgetPoint)
{
    // The box starts at the click and reaches at most 300 pixels right and down, short of the
    // picture's far edges; a click too near them, or beside the picture, moves it in.
    const QRect room = textEditorRoom();
    const int x = std::max(room.left(), std::min(widgetPoint.x(), room.right() + 1 - TextEditorMinWidth));
    const int y = std::max(room.top(), std::min(widgetPoint.y(), room.bottom() + 1 - TextEditorMinHeight));
    textEdit->setGeometry(x, y, std::min(room.right() + 1 - x, TextEditorMaxSide),
                          std::min(room.bottom() + 1 - y, TextEditorMaxSide));
    textEdit->clear();
    textEdit->show();
    textEdit->setFocus();
    applyTextFormat();
    fitTextEditor();
}

QRect ImageCanvas::textEditorRoom() const
{
    const QSize shown(publishedDisplayWidth, publishedDisplayHeight);
    const QRect picture = DisplayFit(size(), shown).target();
    return picture.adjusted(0, 0, -TextEditorMargin, -TextEditorMargin);
}

// Keeps the box inside the picture: it grows downwards with its text, moves up once it reaches
// the bottom, and scrolls only when the picture has no more room. The text is put on the picture
// where the box's writing area begins.
void ImageCanvas::fitTextEditor()
{
    const QRect room = textEditorRoom();
    if (room.width() <= 0 || room.height() <= 0)
        return;
    QRect box = textEdit->geometry();
    const int frame = textEdit->frameWidth();
    const int needed = int(std::ceil(textEdit->document()->size().height())) + 2 * frame;
    box.setWidth(std::min(box.width(), room.width()));
    box.setHeight(std::min(std::max(box.height(), needed), room.height()));
    box.moveLeft(std::max(room.left(), std::min(box.left(), room.right() + 1 - box.width())));
    box.moveTop(std::max(room.top(), std::min(box.top(), room.bottom() + 1 - box.height())));
    if (box != textEdit->geometry())
        textEdit->setGeometry(box);
    const QPoint writingArea = box.topLeft() + QPoint(frame, frame);
    Lock lock(mutex);
    textPos = toLayerLocked(mapToImage(writingArea));
}

void ImageCanvas::copyClip()
{
    QImage part;
    {
        Lock lock(mutex);
        const QRect &r = clipSelection;
        part = displayImage.copy(r.left(), r.top(), r.right() - r.left() + 1, r.bottom() - r.top() + 1);
    }
    if (part.isNull()) {
        emit clipFailed();
        Lock lock(mutex);
        clipSelection = QRect(QPoint(0, 0), QPoint(-1, -1));
        return;
    }
    QGuiApplication::clipboard()->setPixmap(QPixmap::fromImage(part), QClipboard::Clipboard);
    emit clipDone();
    Lock lock(mutex);
    clipSelection = QRect(QPoint(0, 0), QPoint(-1, -1));
}

void ImageCanvas::startSnapshot()
{
    if (!QFileInfo(snapshotDir).isDir())
        return;
    snapshotWriter.start();
    Lock lock(mutex);
    snapshots.start(snapshotDir, continuousSnapshot, snapshotInterval, snapshotDuration);
    snapshotStartMs = snapshotClockMs();
}

void ImageCanvas::stopSnapshot()
{
    Lock lock(mutex);
    snapshots.stop();
}

bool ImageCanvas::isSnapshotArmed() const
{
    Lock lock(mutex);
    return snapshots.isArmed();
}

void ImageCanvas::setSnapshotWriteFunction(SnapshotWriter::WriteFunction function)
{
    snapshotWriter.setWriteFunction(std::move(function));
}

void ImageCanvas::waitForSnapshotFiles()
{
    snapshotWriter.waitUntilIdle();
}

QString ImageCanvas::snapshotFailedText()
{
    return tr("The snapshot could not be saved.");
}

qint64 ImageCanvas::snapshotClockMs() const
{
    return clockBase.elapsed();
}

QDateTime ImageCanvas::snapshotLocalTime() const
{
    return QDateTime::currentDateTime();
}

void ImageCanvas::snapshotStepLocked(const QImage &output)
{
    if (!snapshots.isArmed())
        return;
    if (!snapshots.takesThisFrame(snapshotClockMs() - snapshotStartMs))
        return;
    // Only the shared picture is handed over; the frame path never waits for the folder.
    SnapshotWriter::Shot shot;
    shot.run = snapshots.run();
    shot.continuous = snapshots.isContinuous();
    shot.folder = snapshots.folder();
    shot.baseName = SnapshotRun::baseName(snapshotLocalTime());
    shot.picture = output;
    if (snapshotWriter.hand(std::move(shot)))
        return;
    if (!snapshots.isContinuous()) {
        snapshots.takeAgain(snapshots.run());   // a later frame goes once there is room
        return;
    }
    qDebug() << "Snapshot writer is behind: a continuous snapshot was skipped";
}

// Frames may come on a streaming thread and files are written on the writer's: the display and
// the window hear of them on their own thread.
void ImageCanvas::snapshotWritten(const SnapshotWriter::Result &result)
{
    switch (result.outcome) {
    case SnapshotWriter::NoFolder: {
        Lock lock(mutex);
        snapshots.takeAgain(result.run);
        return;
    }
    case SnapshotWriter::Written: {
        const QString path = result.path;
        ThreadHandOver::queue(this, [this, path] {
            if (osd)
                osd->showSnapshot();
            emit snapshotSaved(path);
        });
        return;
    }
    case SnapshotWriter::Failed:
        if (result.reportFailure)
            ThreadHandOver::queue(this, [this] { emit snapshotFailed(); });
        return;
    }
}

void ImageCanvas::fillBackground(const QColor &color)
{
    QImage before;
    {
        Lock lock(mutex);
        before = heldFrame;
    }
    const QColor colorBefore = backgroundColor;
    backgroundColor = color;
    fillWithColor(color);

    // A fill that changed the picture's size started a new layer and has nothing to go back to;
    // a frozen picture keeps its frame and the fill changed nothing.
    Lock lock(mutex);
    if (before.isNull() || before.size() != heldFrame.size() || before.cacheKey() == heldFrame.cacheKey())
        return;
    AnnotationHistory::Step step;
    step.generation = layerGeneration;
    step.background = before;
    step.backgroundColor = colorBefore;
    history.record(std::move(step));
}

bool ImageCanvas::undo()
{
    return exchangeStep(true);
}

bool ImageCanvas::redo()
{
    return exchangeStep(false);
}

bool ImageCanvas::exchangeStep(bool undoing)
{
    // A stroke is a step only once it is released.
    if (strokeOpen)
        return false;
    // A text being typed becomes a step first, so undoing takes it away.
    commitText();
    {
        Lock lock(mutex);
        std::optional<AnnotationHistory::Step> step =
            undoing ? history.takeUndo(layerGeneration) : history.takeRedo(layerGeneration);
        if (!step)
            return false;
        if (!exchangeLocked(*step))
            return false;
        if (undoing)
            history.pushUndone(std::move(*step));
        else
            history.pushRedone(std::move(*step));
        ++changeCount;
    }
    //: Shown briefly on the picture after the last drawing step was undone.
    const QString undone = tr("Undo");
    //: Shown briefly on the picture after an undone drawing step was done again.
    const QString redone = tr("Redo");
    if (osd)
        osd->showMessage(undoing ? undone : redone, UndoMessageTime);
    update();
    return true;
}

// Swaps what the step holds with what the canvas shows, so the step then holds the other side.
bool ImageCanvas::exchangeLocked(AnnotationHistory::Step &step)
{
    if (step.isBackground()) {
        if (step.background.size() != heldFrame.size())
            return false;
        std::swap(heldFrame, step.background);
        std::swap(backgroundColor, step.backgroundColor);
        return true;
    }
    const QRect target = ViewGeometry::turnedRegion(step.area, view.rotation, view.source);
    if (annotationLayer.isNull() || !annotationLayer.rect().contains(target))
        return false;
    const QImage shown = annotationLayer.copy(target);
    {
        QPainter painter(&annotationLayer);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(target.topLeft(), AnnotationHistory::turned(step.pixels, view.rotation));
    }
    step.pixels = AnnotationHistory::unturned(shown, view.rotation);
    std::swap(layerDirty, step.layerDirty);
    return true;
}

// Only the rectangle the step changed is kept, as it was before; a step that changed nothing is
// none.
void ImageCanvas::recordLayerStepLocked(const QImage &before, bool dirtyBefore)
{
    const QRect changed = AnnotationHistory::changedArea(before, annotationLayer);
    if (changed.isEmpty())
        return;
    AnnotationHistory::Step step;
    step.generation = layerGeneration;
    step.area = ViewGeometry::unturnedRegion(changed, view.rotation, view.source);
    step.pixels = AnnotationHistory::unturned(before.copy(changed), view.rotation);
    step.layerDirty = dirtyBefore;
    history.record(std::move(step));
}

void ImageCanvas::finishStroke()
{
    if (!strokeOpen)
        return;
    strokeOpen = false;
    Lock lock(mutex);
    // A turn in the middle of the stroke left the layer at the press in another orientation.
    if (view.rotation != rotationAtPress)
        return;
    recordLayerStepLocked(layerBackup, dirtyAtPress);
}

int ImageCanvas::undoSteps() const
{
    Lock lock(mutex);
    return history.undoCount();
}

int ImageCanvas::redoSteps() const
{
    Lock lock(mutex);
    return history.redoCount();
}

qint64 ImageCanvas::historyBytes() const
{
    Lock lock(mutex);
    return history.bytes();
}

void ImageCanvas::setHistoryLimits(int maxSteps, qint64 maxBytes)
{
    Lock lock(mutex);
    history.setLimits(maxSteps, maxBytes);
}
