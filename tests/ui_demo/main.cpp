// A window with the skinned frame, a panel of picture buttons and both slider kinds, to look at
// the controls outside the main window. Given a file name, it saves a screenshot there and quits.

#include "HorizontalSlider.h"
#include "ImageButton.h"
#include "Panel.h"
#include "Slider.h"
#include "StyleWindow.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

class DemoWindow : public StyleWindow
{
    Q_OBJECT

public:
    DemoWindow()
    {
        setMinimumSize(560, 420);
        setWindowTitle(tr("Controls"));

        const QFont modeFont(QStringLiteral("Arial"), 11);
        const QStringList modes{tr("Live"), tr("Film"), tr("Photograph")};
        for (int i = 0; i < modes.size(); ++i) {
            ImageButton *mode = new ImageButton(QStringLiteral("MAIN_BUTTON"), this, 200 + 110 * i, 17);
            mode->setText(modes.at(i));
            mode->setFont(modeFont);
            mode->setTextColor(Qt::white);
            mode->setCheckable(true);
            mode->setChecked(i == 0);
        }

        panel = new Panel(this);
        panel->move(40, 55);
        panel->addGroup(tr("Noting"));
        addTool(QStringLiteral("ICON_LINE"), tr("Line"));
        addTool(QStringLiteral("ICON_RETANGLE"), tr("Rectangle"));
        ImageButton *freehand = addTool(QStringLiteral("ICON_FREEHAND"), tr("Freehand"));
        freehand->setCheckable(true);
        freehand->setChecked(true);
        addTool(QStringLiteral("ICON_CIRCLE"), tr("Circle"));
        addTool(QStringLiteral("ICON_ARROW"), tr("Arrow"));
        addTool(QStringLiteral("ICON_TEXT"), tr("Text"));
        panel->addGroup(tr("Adjustment"));
        addTool(QStringLiteral("ICON_ZOOM_OUT"), tr("Zoom out"));
        addTool(QStringLiteral("ICON_ZOOM_IN"), tr("Zoom in"));
        addTool(QStringLiteral("ICON_ROTATE"), tr("Rotate"));
        addTool(QStringLiteral("ICON_FREEZE"), tr("Freeze"));
        addTool(QStringLiteral("ICON_AUTOFOCUS"), tr("Auto focus"));
        panel->addStretch();

        position = new HorizontalSlider(QImage(QStringLiteral(":/icons/Background/FILM_SCROLL_BAR.png")), this);
        position->setBarWidth(22);
        position->setRange(0, 100);
        position->setValue(35);

        volume = new Slider(Qt::Vertical, this);
        volume->setFixedSize(33, 93);
        volume->setRange(1, 100);
        volume->setValue(70);

        interval = new Slider(Qt::Horizontal, this);
        interval->setTickPosition(QSlider::TicksBelow);
        interval->setFixedWidth(160);
        interval->setPageStep(1);
        interval->setRange(0, 5);
        interval->setValue(2);

        intervalLabel = new QLabel(tr("5 s"), this);
        intervalLabel->setStyleSheet(QStringLiteral("color: white; font-family: Arial; font-size: 14px;"));
    }

    void layoutContents() override
    {
        const int w = width();
        const int h = height();
        panel->setFixedHeight(h - 55 - 90);
        const int left = panel->x() + panel->width() + 20;
        position->setGeometry(left, h - 110, w - left - 20, 12);
        volume->move(w - 60, 70);
        interval->move(left, h - 70);
        intervalLabel->move(left + 170, h - 68);
    }

private:
    ImageButton *addTool(const QString &icon, const QString &toolTip)
    {
        ImageButton *button = new ImageButton(icon, toolTip, this, 0, 0);
        panel->addButton(button);
        return button;
    }

    Panel *panel;
    HorizontalSlider *position;
    Slider *volume;
    Slider *interval;
    QLabel *intervalLabel;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DemoWindow window;
    window.resize(800, 560);
    window.show();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        const QString file = arguments.at(1);
        QTimer::singleShot(500, &window, [&window, file] {
            const bool saved = window.grab().save(file);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}

#include "main.moc"
