#ifndef IMAGECANVAS_H
#define IMAGECANVAS_H

#include "AnnotationHistory.h"
#include "AnnotationPainter.h"
#include "ICaptureCB.h"
#include "SnapshotRun.h"
#include "SnapshotWriter.h"
#include "ViewGeometry.h"

#include <QColor>
#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <mutex>

class OSDProcessor;
class QTextEdit;

// The widget every picture passes through. Each incoming frame becomes one output picture of the
// frame's own size: turned in quarter turns, with the annotation layer laid over it, the colour
// effect applied, cut to the zoomed and panned view, masked and scaled back. The output is shown
// fitted into the widget and written back into the caller's frame buffer, so whatever follows
// the canvas in a capture chain receives the processed picture.
//
// Threads: frames may arrive on any thread; everything else runs on the user-interface thread.
// One non-recursive std::mutex (visible to the thread sanitizer, unlike Qt 5's QMutex) guards
// the pictures, the layer, the view and the snapshot state. It is held only for picture work and
// copies: never across file I/O, JPEG encoding or painting (paint takes a copy of the shown
// picture and draws outside it; snapshot files are written by a SnapshotWriter thread). effect,
// mask and frozen are atomics the user-interface thread assigns freely. The only ways back to the
// user-interface thread are queued: the repaint request and the snapshot notices.
class ImageCanvas : public QWidget, public ICaptureCB
{
    Q_OBJECT
    Q_INTERFACES(ICaptureCB)

public:
    explicit ImageCanvas(QWidget *parent = nullptr);
    ~ImageCanvas() override;

    // Frame entry points. processFrame and processSample may run on any thread.
    void processFrame(uchar *data, int width, int height, bool bottomUp, bool rgb32) override;
    void processImage(const QImage &image) override;
    void processSample(uchar *data, int width, int height, bool bottomUp, bool rgb32) override;
    void startAutoRefresh() override;
    void stopAutoRefresh() override;
    bool isAutoRefreshRunning() const;

    // A plain 1280 x 720 picture of the colour through the frame path.
    void fillWithColor(const QColor &color);

    void zoomIn();
    void zoomOut();
    void zoomReset();
    void rotateClockwise();
    void rotateCounterClockwise();

    // Read-outs of the view, safe from any thread and from inside paintOsd.
    double zoom() const;
    double minZoom() const;
    int rotation() const;

    // Copies taken under the lock.
    QSize sourceSize() const;
    QPoint viewOrigin() const;
    QImage currentImage() const;

    // A widget point to a pixel of the output picture.
    QPoint mapToImage(const QPoint &point) const;

    // Drawing tools (user-interface thread). Choosing any mode but Text puts a pending text on
    // the picture.
    int drawMode() const;
    void setDrawMode(int mode);
    void clearAnnotations();
    bool hasDrawings() const;
    QImage annotations() const;   // the layer, in turned-frame pixels

    QColor textColor() const;
    QString textFamily() const;
    int textPointSize() const;
    void setTextColor(const QColor &color);
    void setTextFamily(const QString &family);
    void setTextPointSize(int size);
    void applyTextFormat();
    void commitText();
    QTextEdit *textEditor() const;

    // A plain picture of the colour as a step the user can undo (the fill-background window);
    // also notes the colour as the chosen one.
    void fillBackground(const QColor &color);

    // Undo and redo of the drawings (user-interface thread). Each committed stroke, shape, text,
    // eraser stroke, erase all and background fill is one step; a frame of another size, which
    // starts an empty layer, leaves nothing to undo. The display says "Undo" or "Redo"; the next
    // output picture shows the result. Both are false when there was nothing to do.
    int undoSteps() const;
    int redoSteps() const;
    qint64 historyBytes() const;
    void setHistoryLimits(int maxSteps, qint64 maxBytes);

    // The clip selection in output pixels (right < left while there is none) and as the
    // display outlines it on the widget. Both are safe inside paintOsd.
    QRect clipRect() const;
    QRectF clipRectOnWidget() const;

    // Snapshots. The settings below are read when a run is armed: assign them, then start.
    // startSnapshot does nothing when the folder does not exist.
    void startSnapshot();
    void stopSnapshot();
    bool isSnapshotArmed() const;
    // How snapshot pictures become files, on the writer's thread (null: JPEG, quality 100).
    // Tests and benchmarks put a slow or blocking function here; set it while nothing is written.
    void setSnapshotWriteFunction(SnapshotWriter::WriteFunction function);
    // Blocks until every snapshot taken so far is written (or has failed); for tests and
    // benchmarks, the window never waits for a folder.
    void waitForSnapshotFiles();
    // The message for a snapshot that could not be written (see snapshotFailed()).
    static QString snapshotFailedText();

    QString snapshotDir;
    bool continuousSnapshot = false;
    quint64 snapshotInterval = 60000;     // seconds between continuous snapshots
    quint64 snapshotDuration = 3600000;   // second of the run at which it ends

    OSDProcessor *osd = nullptr;   // not owned; may stay null
    bool boardMode = false;        // drawing board: no black behind the picture

    std::atomic<int> effect{0};
    std::atomic<int> mask{0};
    std::atomic<bool> frozen{false};

    // Drawing style, assigned directly by the tool windows.
    int lineWidth = 2;
    bool fillEnabled = false;
    QColor lineColor = Qt::black;
    QColor fillColor = Qt::black;
    // The colour the fill-background window shows as chosen; nothing here changes it.
    QColor backgroundColor = Qt::white;

signals:
    void clipDone();
    // A clip that found no picture to copy (user-interface thread).
    void clipFailed();
    void updateFromWorker();
    void newFrameData();
    // Both on the user-interface thread: a snapshot file was written (the display's notice has
    // been asked for), or writing failed (once per single shot, once per continuous run).
    void snapshotSaved(const QString &path);
    void snapshotFailed();

public slots:
    void autoRefresh();
    void precessFrameData();

public slots:
    bool undo();
    bool redo();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    // The snapshot clock: a monotonic millisecond count, and the local time that names the
    // files. Tests put a clock of their own here.
    virtual qint64 snapshotClockMs() const;
    virtual QDateTime snapshotLocalTime() const;

private:
    using Lock = std::lock_guard<std::mutex>;

    void renderHeldFrameLocked(bool frozenNow);
    void takeFrameLocked(QImage frame);
    void adoptSourceSizeLocked(const QSize &size);
    QImage cutViewLocked(const QImage &frame, int effectNow) const;
    void decorateLocked(QImage &part, const QRect &region, int effectNow) const;
    QImage fitToSource(const QImage &cut, QImage recycled) const;
    void viewChangedLocked();
    bool needsRenderLocked() const;
    void drawPicture(QPainter &painter, const QImage &picture, const QRect &target);
    QPoint toLayerLocked(const QPoint &outputPoint) const;
    DrawStyle drawStyle() const;
    void openTextEditor(const QPoint &widgetPoint);
    void copyClip();
    void snapshotStepLocked(const QImage &output);
    void snapshotWritten(const SnapshotWriter::Result &result);   // on the writer's thread
    bool exchangeStep(bool undoing);
    bool exchangeLocked(AnnotationHistory::Step &step);
    void recordLayerStepLocked(const QImage &before, bool dirtyBefore);
    void finishStroke();
    // Where the text editor may be: inside the shown picture.
    QRect textEditorRoom() const;
    void fitTextEditor();

    mutable std::mutex mutex;

    QImage heldFrame;
    QImage spareFrame;       // the buffer of an earlier frame, written over by the next one
    QImage lastOutput;
    QImage spareOutput;      // the buffer of an earlier output, written over by a later one
    QImage displayImage;
    QImage annotationLayer;   // premultiplied ARGB32, turned-frame pixels
    QImage layerBackup;       // the layer as it was at the last press, for rubber bands
    bool layerDirty = false;
    ViewGeometry view;
    QPoint lastPoint;         // output pixels
    QRect clipSelection{QPoint(0, 0), QPoint(-1, -1)};
    QPoint textPos;           // layer pixels

    // Undo and redo, user-interface thread only but kept under the lock with the layer. The
    // generation counts the layers: a frame of another size starts the next one.
    AnnotationHistory history;
    quint64 layerGeneration = 0;
    bool strokeOpen = false;      // a press started a stroke that its release makes a step
    bool dirtyAtPress = false;
    int rotationAtPress = 0;

    // User-interface thread only.
    QTextEdit *textEdit = nullptr;
    int m_drawMode = 0;
    QColor m_textColor = Qt::black;
    QString m_textFamily;
    int m_textPointSize = 18;

    // What the last pass through the frame path rendered; the auto refresh re-renders only when
    // something has changed since.
    quint64 changeCount = 1;
    quint64 renderedChangeCount = 0;
    int renderedEffect = 0;
    int renderedMask = 0;
    bool renderedFrozen = false;

    std::atomic<double> publishedZoom{1.0};
    std::atomic<double> publishedMinZoom{1.0};
    std::atomic<int> publishedRotation{0};
    std::atomic<int> publishedDisplayWidth{0};
    std::atomic<int> publishedDisplayHeight{0};

    SnapshotRun snapshots;
    qint64 snapshotStartMs = 0;
    QElapsedTimer clockBase;

    QTimer refreshTimer;

    // User-interface thread only: the shown picture scaled to the widget in device pixels, kept
    // while it rests.
    QImage paintCache;
    qint64 paintCacheKey = 0;

    // Last, so it is destroyed first: its thread finishes the files it holds while the run state
    // it reports to is still there.
    SnapshotWriter snapshotWriter;
};

#endif
