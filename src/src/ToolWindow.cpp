#include "ToolWindow.h"

#include "ImageButton.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>

ToolWindow::ToolWindow(QImage background, QWidget *anchor, QWidget *parent, QString title)
    : FramelessWindow(background, true, parent)
    , anchor(anchor)
    , closeButton(new ImageButton(QStringLiteral("POPUP_CLOSE"), this, 0, 0))
{
    // Opened by a long press: taking the focus would cancel the press, and the click its button
    // still owes on release would be lost.
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(closeButton, SIGNAL(clicked()), this, SLOT(close()));
    if (parent)
        parent->installEventFilter(this);
    place();

    QLabel *titleLabel = new QLabel(title, this);
    titleLabel->setStyleSheet(QStringLiteral("font-family: Arial; font-size: 14px; color: white;"));
    titleLabel->move(8, 2);
}

void ToolWindow::place()
{
    // The anchor's own screen: with a projector beside the laptop the main window may be on
    // either, and each screen's work area has its own origin.
    const QScreen *screen = anchor ? anchor->screen() : nullptr;
    if (!screen)
        return;
    const QPoint wanted = anchor->mapToGlobal(QPoint(anchor->width() + 3, 0));
    move(pulledInside(wanted, size(), screen->availableGeometry()));
}

QPoint ToolWindow::pulledInside(QPoint wanted, QSize size, const QRect &available)
{
    const int rightmost = available.x() + available.width() - size.width();
    const int lowest = available.y() + available.height() - size.height();
    return QPoint(qMin(wanted.x(), rightmost), qMin(wanted.y(), lowest));
}

void ToolWindow::focusChanged(QWidget *old, QWidget *now)
{
    Q_UNUSED(old);
    for (QWidget *widget = now; widget; widget = widget->parentWidget()) {
        if (widget == this)
            return;
    }
    close();
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        place();
    return false;
}

void ToolWindow::resizeEvent(QResizeEvent *event)
{
    FramelessWindow::resizeEvent(event);
    closeButton->move(width() - 18, 4);
}
