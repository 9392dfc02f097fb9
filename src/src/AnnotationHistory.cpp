#include "AnnotationHistory.h"

#include <QTransform>

#include <algorithm>
#include <cstring>

namespace {

bool rowsEqual(const QImage &a, const QImage &b, int y, int rowBytes)
{
    return std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(rowBytes)) == 0;
}

} // namespace

qint64 AnnotationHistory::Step::bytes() const
{
    return pixels.sizeInBytes() + background.sizeInBytes();
}

void AnnotationHistory::setLimits(int maxSteps, qint64 maxBytes)
{
    stepLimit = std::max(0, maxSteps);
    byteLimit = std::max<qint64>(0, maxBytes);
    trim();
}

void AnnotationHistory::record(Step step)
{
    dropOtherLayers(step.generation);
    for (const Step &redo : redoSteps)
        heldBytes -= redo.bytes();
    redoSteps.clear();
    push(undoSteps, std::move(step));
}

std::optional<AnnotationHistory::Step> AnnotationHistory::takeUndo(quint64 generation)
{
    return take(undoSteps, generation);
}

std::optional<AnnotationHistory::Step> AnnotationHistory::takeRedo(quint64 generation)
{
    return take(redoSteps, generation);
}

void AnnotationHistory::pushUndone(Step step)
{
    push(redoSteps, std::move(step));
}

void AnnotationHistory::pushRedone(Step step)
{
    push(undoSteps, std::move(step));
}

void AnnotationHistory::clear()
{
    undoSteps.clear();
    redoSteps.clear();
    heldBytes = 0;
}

std::optional<AnnotationHistory::Step> AnnotationHistory::take(std::deque<Step> &steps, quint64 generation)
{
    dropOtherLayers(generation);
    if (steps.empty())
        return std::nullopt;
    Step step = std::move(steps.back());
    steps.pop_back();
    heldBytes -= step.bytes();
    return step;
}

void AnnotationHistory::push(std::deque<Step> &steps, Step step)
{
    heldBytes += step.bytes();
    steps.push_back(std::move(step));
    trim();
}

// A layer is never given back once a new one replaced it, so its steps are of no more use.
void AnnotationHistory::dropOtherLayers(quint64 generation)
{
    for (std::deque<Step> *steps : {&undoSteps, &redoSteps}) {
        const auto stale = std::remove_if(steps->begin(), steps->end(), [&](const Step &step) {
            if (step.generation == generation)
                return false;
            heldBytes -= step.bytes();
            return true;
        });
        steps->erase(stale, steps->end());
    }
}

// The oldest undo steps go first; only when none is left do the farthest redo steps.
void AnnotationHistory::trim()
{
    while (!undoSteps.empty() || !redoSteps.empty()) {
        const qint64 count = qint64(undoSteps.size() + redoSteps.size());
        if (count <= stepLimit && heldBytes <= byteLimit)
            return;
        std::deque<Step> &steps = undoSteps.empty() ? redoSteps : undoSteps;
        heldBytes -= steps.front().bytes();
        steps.pop_front();
    }
}

QRect AnnotationHistory::changedArea(const QImage &before, const QImage &after)
{
    if (before.size() != after.size() || before.format() != after.format() || before.isNull())
        return QRect();
    const int rowBytes = before.width() * before.depth() / 8;
    int top = 0;
    while (top < before.height() && rowsEqual(before, after, top, rowBytes))
        ++top;
    if (top == before.height())
        return QRect();
    int bottom = before.height() - 1;
    while (rowsEqual(before, after, bottom, rowBytes))
        --bottom;

    // Pixels are compared whole; each row is searched only outside the columns already found.
    const int pixelBytes = before.depth() / 8;
    int left = before.width();
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const uchar *a = before.constScanLine(y);
        const uchar *b = after.constScanLine(y);
        const auto differs = [&](int x) {
            return std::memcmp(a + x * pixelBytes, b + x * pixelBytes, size_t(pixelBytes)) != 0;
        };
        for (int x = 0; x < left; ++x) {
            if (differs(x)) {
                left = x;
                break;
            }
        }
        for (int x = before.width() - 1; x > right; --x) {
            if (differs(x)) {
                right = x;
                break;
            }
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage AnnotationHistory::turned(const QImage &image, int rotation)
{
    switch ((rotation % 4 + 4) % 4) {
    case 1:
        return image.transformed(QTransform().rotate(90));
    case 2:
        return image.mirrored(true, true);
    case 3:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

QImage AnnotationHistory::unturned(const QImage &image, int rotation)
{
    return turned(image, 4 - rotation % 4);
}
