#include "Panel.h"

#include "ImageButton.h"

#include <QGridLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QSpacerItem>

Panel::Panel(QWidget *parent)
    : QWidget(parent)
    , layout(new QGridLayout(this))
{
    layout->setSpacing(0);
    layout->setMargin(0);
    layout->setContentsMargins(0, 5, 4, 5);
    top = QImage(QStringLiteral(":/icons/Background_Sub/ICON_BK_TOP.png"));
    mid = QImage(QStringLiteral(":/icons/Background_Sub/ICON_BK_MID.png"));
    bottom = QImage(QStringLiteral(":/icons/Background_Sub/ICON_BK_BOT.png"));
    setFixedWidth(mid.width());
}

void Panel::addGroup(QString title)
{
    ImageButton *titleButton = new ImageButton(QStringLiteral("TOOL_TITLE_OPEN"), this, 0, 0);
    connect(titleButton, SIGNAL(clicked()), this, SLOT(toggleGroup()));
    titleButton->setText(title);
    titleButton->setFont(QFont(QStringLiteral("Arial"), 10));
    titleButton->setTextColor(Qt::white);
    groupTitles.append(buttons.size());
    buttons.append(titleButton);
    if (column == 1)
        row += 1;
    layout->addWidget(titleButton, row, 0, 1, 2);
    row += 1;
    column = 0;
}

void Panel::addButton(QWidget *button)
{
    buttons.append(button);
    layout->addWidget(button, row, column);
    row += (column + 1) / 2;
    column = (column + 1) % 2;
}

void Panel::addStretch()
{
    if (column == 1)
        row += 1;
    layout->addItem(new QSpacerItem(0, 10000, QSizePolicy::Maximum, QSizePolicy::Maximum), row, 0, 1, 2);
}

void Panel::showEnabledOnly()
{
    for (QWidget *button : qAsConst(buttons))
        button->setVisible(button->isEnabled());
}

void Panel::toggleGroup()
{
    ImageButton *title = qobject_cast<ImageButton *>(sender());
    if (!title)
        return;
    const int group = groupTitles.indexOf(buttons.indexOf(title));
    if (group < 0)
        return;
    const int first = groupTitles.at(group) + 1;
    const int last = group + 1 < groupTitles.size() ? groupTitles.at(group + 1) - 1 : buttons.size() - 1;

    bool toggled = false;
    bool lastVisible = false;
    for (int i = first; i <= last; ++i) {
        QWidget *button = buttons.at(i);
        if (!button->isEnabled())
            continue;
        // isHidden() rather than isVisible(): the panel itself may be hidden at the moment.
        button->setVisible(button->isHidden());
        toggled = true;
        lastVisible = !button->isHidden();
    }
    title->setImage(toggled && lastVisible ? QStringLiteral("TOOL_TITLE_OPEN") : QStringLiteral("TOOL_TITLE_CLOSE"));
}

void Panel::resizeEvent(QResizeEvent *event)
{
    const int midHeight = event->size().height() - top.height() - bottom.height();
    midScaled = mid.isNull() ? QImage()
                             : mid.scaled(mid.width(), midHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QWidget::resizeEvent(event);
}

void Panel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawImage(0, 0, top);
    painter.drawImage(0, top.height(), midScaled);
    painter.drawImage(0, top.height() + midScaled.height(), bottom);
}
