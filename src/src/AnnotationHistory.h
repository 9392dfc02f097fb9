#ifndef ANNOTATIONHISTORY_H
#define ANNOTATIONHISTORY_H

#include <QColor>
#include <QImage>
#include <QRect>

#include <deque>
#include <optional>

// The undo and redo steps of one canvas's drawings. A step keeps only what it changed: the
// rectangle of the annotation layer it drew on, as that rectangle looks on the other side of the
// step (before it while the step waits to be undone, after it while it waits to be redone), or the
// background picture it replaced. Undoing and redoing are therefore the same exchange: the canvas
// swaps what the step holds with what it shows, and the step moves to the other list.
//
// Rectangles and pixels are kept in pixels of the unturned frame, so quarter turns of the picture
// in between do not matter. Every step belongs to one layer: a frame of another size gives the
// canvas a new, empty layer (a new generation), and steps of an earlier layer are dropped, never
// applied.
//
// The lists are bounded by a number of steps and by the bytes the steps hold; the oldest steps go
// first. Nothing here locks: the canvas uses its history under its own lock, on the user-interface
// thread only, so the frame path never touches it.
class AnnotationHistory
{
public:
    struct Step
    {
        quint64 generation = 0;   // the layer the step belongs to
        QRect area;               // unturned frame pixels
        QImage pixels;            // the layer's pixels of area, unturned
        bool layerDirty = false;  // whether the layer was laid over the frame then
        QImage background;        // a background step: the other held frame
        QColor backgroundColor;   // and the colour the fill window showed with it

        bool isBackground() const { return !background.isNull(); }
        qint64 bytes() const;
    };

    static constexpr int DefaultMaxSteps = 64;
    static constexpr qint64 DefaultMaxBytes = qint64(256) * 1024 * 1024;

    void setLimits(int maxSteps, qint64 maxBytes);
    int maxSteps() const { return stepLimit; }
    qint64 maxBytes() const { return byteLimit; }

    // A new step of the given layer: what was undone can no longer be redone.
    void record(Step step);
    // The next step to undo (or redo) on the given layer, taken off its list; steps of other
    // layers are dropped on the way.
    std::optional<Step> takeUndo(quint64 generation);
    std::optional<Step> takeRedo(quint64 generation);
    // An exchanged step, onto the other list.
    void pushUndone(Step step);
    void pushRedone(Step step);
    void clear();

    int undoCount() const { return int(undoSteps.size()); }
    int redoCount() const { return int(redoSteps.size()); }
    qint64 bytes() const { return heldBytes; }

    // The smallest rectangle outside which two layers of one size are equal (empty when they
    // are equal everywhere or differ in size).
    static QRect changedArea(const QImage &before, const QImage &after);
    // A picture turned by quarter turns clockwise, and turned back.
    static QImage turned(const QImage &image, int rotation);
    static QImage unturned(const QImage &image, int rotation);

private:
    void dropOtherLayers(quint64 generation);
    void trim();
    std::optional<Step> take(std::deque<Step> &steps, quint64 generation);
    void push(std::deque<Step> &steps, Step step);

    std::deque<Step> undoSteps;   // oldest first
    std::deque<Step> redoSteps;   // the next to redo last
    qint64 heldBytes = 0;
    int stepLimit = DefaultMaxSteps;
    qint64 byteLimit = DefaultMaxBytes;
};

#endif
