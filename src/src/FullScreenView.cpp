#include "FullScreenView.h"

#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "ThumbnailWidget.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QStackedWidget>

namespace {

const int StripPadding = 4;
const int StripSpacing = 2;
const int PointerPollMs = 100;

// The strip's backing: a dark rounded band in the colours of the side panel's frame.
class StripWidget : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(QStringLiteral("#484848")), 1.0));
        painter.setBrush(QColor(32, 32, 32, 230));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
};

} // namespace

FullScreenView::FullScreenView(MainWindow *window)
    : QObject(window)
    , window(window)
{
    pointerTimer.setInterval(PointerPollMs);
    connect(&pointerTimer, SIGNAL(timeout()), this, SLOT(pollPointer()));
    for (ImageCanvas *canvas : {window->liveCanvas, window->filmCanvas, window->photographCanvas,
                                window->drawingBoardCanvas})
        canvas->installEventFilter(this);
    buildStrip();
}

ImageButton *FullScreenView::mirror(ImageButton *source)
{
    ImageButton *copy = new ImageButton(source->imageName, source->toolTip(), strip, 0, StripPadding);
    copy->setCheckable(source->isCheckable());
    copy->setChecked(source->isChecked());
    // The panel's button does the work, so the panel, the canvas and the strip agree.
    connect(copy, &QAbstractButton::clicked, source, [source, copy] {
        source->click();
        copy->setChecked(source->isChecked());
    });
    connect(source, &QAbstractButton::toggled, copy, &QAbstractButton::setChecked);
    // A long press opens the same options window as the panel's button.
    connect(copy, SIGNAL(hold()), source, SIGNAL(hold()));
    copy->setOptionsMark(source->hasOptionsMark());
    return copy;
}

void FullScreenView::buildStrip()
{
    strip = new StripWidget(window);
    const QList<ImageButton *> tools = {
        window->freehandButton, window->lineButton,    window->rectangleButton,
        window->circleButton,   window->arrowButton,   window->triangleButton,
        window->eraserButton,   window->textButton,    window->eraseAllButton,
        window->handButton,     window->zoomOutButton, window->zoomInButton,
        window->zoomResetButton, window->rotateButton, window->freezeButton,
        window->snapshotButton};
    for (ImageButton *tool : tools)
        mirrors.append(qMakePair(mirror(tool), tool));
    //: Tool tip of the button of the full-screen tool strip.
    backButton = new ImageButton(QStringLiteral("WINDOWS_MAX"), tr("Leave full screen (Esc)"), strip,
                                 0, StripPadding);
    connect(backButton, SIGNAL(clicked()), this, SLOT(leave()));
    strip->hide();
}

void FullScreenView::arrangeStrip()
{
    int x = StripPadding;
    int height = backButton->height();
    for (const auto &pair : qAsConst(mirrors)) {
        ImageButton *copy = pair.first;
        copy->setVisible(pair.second->isEnabled());
        if (copy->isHidden())
            continue;
        copy->move(x, StripPadding);
        x += copy->width() + StripSpacing;
        height = qMax(height, copy->height());
    }
    backButton->move(x + StripSpacing, StripPadding + (height - backButton->height()) / 2);
    strip->setFixedSize(backButton->x() + backButton->width() + StripPadding, height + 2 * StripPadding);
}

void FullScreenView::toggle()
{
    if (active)
        leave();
    else
        enter();
}

void FullScreenView::enter()
{
    if (active)
        return;
    active = true;
    wasMaximized = window->isMaximized();
    normalGeometry = window->geometry();
    // The canvases sit under the bars and buttons; remember where, to put them back there.
    const QObjectList siblings = window->children();
    const int index = siblings.indexOf(window->stack);
    above = nullptr;
    for (int i = index + 1; i < siblings.size() && !above; ++i)
        above = qobject_cast<QWidget *>(siblings.at(i));
    window->showFullScreen();
    fitToWindow();
    pointerTimer.start();
}

void FullScreenView::leave()
{
    if (!active)
        return;
    active = false;
    pointerTimer.stop();
    strip->hide();
    if (above)
        window->stack->stackUnder(above);
    if (wasMaximized) {
        window->showMaximized();
    } else {
        window->showNormal();
        window->setGeometry(normalGeometry);
    }
    window->layoutContents();
}

void FullScreenView::fitToWindow()
{
    if (!active)
        return;
    window->stack->setGeometry(window->rect());
    window->stack->raise();
    // The thumbnail strip sits at the bottom of the photograph canvas, whatever its size.
    window->thumbnails->setFixedSize(window->stack->width(), window->thumbnails->height());
    window->thumbnails->move(0, window->stack->height() - window->thumbnails->height() - 7);
    placeStrip();
    strip->raise();
}

void FullScreenView::placeStrip()
{
    // Above the thumbnail strip when that is open, else just above the bottom edge.
    int bottom = window->height() - 8;
    if (window->thumbnails->isVisible())
        bottom = window->thumbnails->mapTo(window, QPoint(0, 0)).y() - 4;
    strip->move((window->width() - strip->width()) / 2, bottom - strip->height());
}

void FullScreenView::pollPointer()
{
    pointerAt(QCursor::pos());
}

void FullScreenView::pointerAt(const QPoint &globalPosition)
{
    if (!active)
        return;
    const QPoint local = window->mapFromGlobal(globalPosition);
    const bool inside = window->rect().contains(local);
    const bool nearEdge = inside && local.y() >= window->height() - EdgeZone;
    const bool overStrip = strip->isVisible() && strip->geometry().adjusted(-8, -8, 8, 8).contains(local);
    const bool show = nearEdge || overStrip;
    if (show == strip->isVisible())
        return;
    if (show) {
        arrangeStrip();
        placeStrip();
        strip->show();
        strip->raise();
    } else {
        strip->hide();
    }
}

bool FullScreenView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    // The second press of a double click would otherwise start a drawing.
    toggle();
    return true;
}
