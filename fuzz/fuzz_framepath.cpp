// The canvas's frame path under random frames and random user actions: frames of random size,
// row order and pixel layout carrying random bytes, fed through processFrame, processSample or
// processImage, between zooms, turns, drawing-tool strokes, effects, masks, freezes, widget
// resizes and repaints. A frame buffer must come back whole (32-bit pixels opaque) and the output
// picture must have the frame's size.
#include "CanvasConstants.h"
#include "FuzzInput.h"
#include "ImageCanvas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>
#include <vector>

namespace {

ImageCanvas *canvas = nullptr;
constexpr int MaxSide = 192;
constexpr int MaxActions = 48;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void mouse(QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, canvas->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &event);
}

QPoint anyPoint(FuzzInput &input)
{
    // Reaches a little outside the widget, as a drag that leaves it does.
    return QPoint(input.range(-20, canvas->width() + 20), input.range(-20, canvas->height() + 20));
}

void stroke(FuzzInput &input)
{
    canvas->setDrawMode(input.range(Hand, Text));
    mouse(QEvent::MouseButtonPress, anyPoint(input));
    const int moves = input.range(0, 3);
    for (int i = 0; i < moves; ++i)
        mouse(QEvent::MouseMove, anyPoint(input));
    mouse(QEvent::MouseButtonRelease, anyPoint(input));
}

void feedFrame(FuzzInput &input, const uint8_t *pixels, size_t pixelBytes)
{
    const int width = input.range(1, MaxSide);
    const int height = input.range(1, MaxSide);
    const bool bottomUp = input.flag();
    const bool rgb32 = input.flag();
    const int entry = input.range(0, 2);
    const size_t bytes = size_t(width) * size_t(height) * (rgb32 ? 4 : 3);
    std::vector<uchar> buffer(bytes);
    for (size_t i = 0; i < bytes; ++i)
        buffer[i] = pixelBytes ? pixels[i % pixelBytes] : uchar(i);

    if (entry == 2) {
        // A picture as a photograph gives it, of any of the formats a reader returns.
        const QImage::Format formats[] = {QImage::Format_RGB888, QImage::Format_RGB32,
                                          QImage::Format_ARGB32, QImage::Format_Indexed8,
                                          QImage::Format_Grayscale8, QImage::Format_Mono};
        const QImage::Format format = formats[input.range(0, 5)];
        // The canvas may keep the picture: it must own its pixels, not borrow the buffer's.
        const QImage picture = QImage(buffer.data(), width, height, width * (rgb32 ? 4 : 3),
                                      rgb32 ? QImage::Format_ARGB32 : QImage::Format_RGB888).copy();
        canvas->processImage(picture.convertToFormat(format));
        require(canvas->currentImage().size() == QSize(width, height));
        return;
    }
    if (entry == 1)
        canvas->processSample(buffer.data(), width, height, bottomUp, rgb32);
    else
        canvas->processFrame(buffer.data(), width, height, bottomUp, rgb32);
    require(canvas->currentImage().size() == QSize(width, height));
    if (rgb32) {
        for (size_t i = 3; i < bytes; i += 4)
            require(buffer[i] == 0xff);
    }
}

void paint()
{
    QImage screen(canvas->size(), QImage::Format_RGB32);
    canvas->render(&screen);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    canvas = new ImageCanvas;
    canvas->resize(320, 240);
    canvas->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first bytes choose the actions; the rest are the pixels of every frame.
    const size_t split = size < 96 ? size : 96;
    FuzzInput input(data, split);
    const uint8_t *pixels = data + split;
    const size_t pixelBytes = size - split;

    canvas->frozen = false;
    canvas->effect = EffectColor;
    canvas->mask = MaskNone;
    canvas->zoomReset();
    canvas->clearAnnotations();
    feedFrame(input, pixels, pixelBytes);

    for (int action = 0; action < MaxActions && !input.empty(); ++action) {
        switch (input.range(0, 12)) {
        case 0: canvas->zoomIn(); break;
        case 1: canvas->zoomOut(); break;
        case 2: canvas->rotateClockwise(); break;
        case 3: canvas->rotateCounterClockwise(); break;
        case 4: canvas->effect = input.range(EffectColor, EffectMosaic); break;
        case 5: canvas->mask = input.range(MaskNone, MaskTop); break;
        case 6: canvas->frozen = input.flag(); break;
        case 7: stroke(input); break;
        case 8: canvas->lineWidth = input.range(1, 40); canvas->fillEnabled = input.flag(); break;
        case 9: canvas->resize(input.range(1, 400), input.range(1, 300)); break;
        case 10: paint(); break;
        case 11: canvas->autoRefresh(); break;
        default: feedFrame(input, pixels, pixelBytes); break;
        }
    }
    canvas->setDrawMode(Hand);   // puts a pending text on the picture
    feedFrame(input, pixels, pixelBytes);
    paint();
    QCoreApplication::processEvents();
    return 0;
}
