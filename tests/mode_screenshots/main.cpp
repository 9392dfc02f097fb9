// Starts the main window on a scratch profile and saves a picture of it in each of its four
// modes: live.png, film.png, photograph.png and drawing-board.png in the folder given, and the
// photograph canvas full screen with drawings: fullscreen.png.

#include "CanvasConstants.h"
#include "FullScreenView.h"
#include "Config.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "PhotographSource.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QCursor>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(50);
    }
}

void save(MainWindow &window, const QDir &folder, const QString &name)
{
    settle();
    window.grab().save(folder.filePath(name + QStringLiteral(".png")));
}

// A few colourful pictures, so the strip and the canvas have something to show.
void makePhotographs(const QDir &folder)
{
    const QColor colours[] = {QColor(0x2f, 0x6f, 0xb5), QColor(0xe0, 0x8a, 0x1e), QColor(0x3a, 0x9a, 0x5b),
                              QColor(0xb5, 0x3a, 0x4f), QColor(0x6b, 0x4f, 0xa8), QColor(0x1e, 0x9e, 0xa8)};
    for (int i = 0; i < 6; ++i) {
        QImage picture(1280, 960, QImage::Format_RGB32);
        picture.fill(colours[i].lighter(170));
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(colours[i]);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(640, 480), 300 - 20 * i, 300 - 20 * i);
        painter.setPen(QPen(Qt::white, 12));
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 90, QFont::Bold));
        painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(i + 1));
        painter.end();
        picture.save(folder.filePath(QStringLiteral("page-%1.jpg").arg(i + 1)));
    }
}

void drag(QWidget *canvas, const QVector<QPoint> &points)
{
    QMouseEvent press(QEvent::MouseButtonPress, points.first(), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(canvas, &press);
    for (const QPoint &point : points) {
        QMouseEvent move(QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, points.last(), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(canvas, &release);
}

void click(ImageButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: mode_screenshots <output folder>");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    // A scratch profile: the user's own settings and folders stay untouched.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + "/.config");

    MainWindow window;
    window.resize(1100, 720);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    save(window, out, QStringLiteral("live"));

    click(window.filmButton);
    save(window, out, QStringLiteral("film"));

    QDir photographs(home.path());
    photographs.mkpath(QStringLiteral("photographs"));
    photographs.cd(QStringLiteral("photographs"));
    makePhotographs(photographs);
    click(window.photographButton);
    window.photographSource->open(photographs, QStringLiteral("page-2.jpg"));
    click(window.photographThumbnailButton);
    save(window, out, QStringLiteral("photograph"));

    click(window.drawingBoardButton);
    ImageCanvas *board = window.drawingBoardCanvas;
    board->lineWidth = 6;
    board->lineColor = Qt::red;
    board->setDrawMode(Freehand);
    QVector<QPoint> wave;
    for (int x = 120; x <= 520; x += 10)
        wave << QPoint(x, 200 + int(40 * std::sin(x / 40.0)));
    drag(board, wave);
    board->lineColor = QColor(0x20, 0x60, 0xd0);
    board->setDrawMode(Rectangle);
    drag(board, {QPoint(560, 130), QPoint(760, 300)});
    board->setDrawMode(Arrow);
    drag(board, {QPoint(200, 420), QPoint(520, 330)});
    board->setDrawMode(Circle);
    drag(board, {QPoint(620, 360), QPoint(760, 480)});
    save(window, out, QStringLiteral("drawing-board"));

    // A photograph with drawings, full screen, the tool strip called up at the bottom edge.
    click(window.photographButton);
    click(window.photographThumbnailButton);
    ImageCanvas *photo = window.photographCanvas;
    photo->lineWidth = 8;
    photo->lineColor = Qt::red;
    photo->setDrawMode(Circle);
    drag(photo, {QPoint(300, 150), QPoint(620, 450)});
    photo->lineColor = QColor(0xff, 0xd0, 0x20);
    photo->setDrawMode(Arrow);
    drag(photo, {QPoint(120, 520), QPoint(330, 380)});
    window.fullScreen->enter();
    // Without a window manager nothing resizes a full-screen window: it is done here.
    window.setGeometry(window.screen()->geometry());
    settle();
    QCursor::setPos(window.mapToGlobal(QPoint(window.width() / 2, window.height() - 4)));
    save(window, out, QStringLiteral("fullscreen"));
    return 0;
}
