#include "ToolWindow.h"

#include "ImageButton.h"

#include <QEvent>
#include <QGuiApplication>
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
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!anchor || !screen)
        return;
    const QRect available = screen->availableGeometry();
    QPoint position = anchor->mapToGlobal(QPoint(anchor->width() + 3, 0));
    // Compared with the available width and height, not its right and bottom edges.
    if (position.x() + width() > available.width())
        position.setX(available.width() - width());
    if (position.y() + height() > available.height())
        position.setY(available.height() - height());
    move(position);
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
