// Draws every picture of the program's resource tree and writes it, with the resource collection
// file that lists it, into an output folder:
//
//   icon_generator <output folder> <application icon SVG> [--review <folder>]
//
// The output folder also receives hicolor/<size>/apps/document-camera.png for the desktop.
// --review also writes a contact sheet of all pictures and a mock-up of the main window and its
// pop-up windows, for looking the artwork over.

#include "Picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

namespace {

const char *iconFileName = "ICON_APP.ICO";

bool writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(data);
    return file.commit();
}

bool writeResourceList(const QString &folder, const QVector<Picture> &pictures)
{
    QByteArray text;
    QTextStream out(&text);
    out << "<RCC>\n  <qresource prefix=\"/icons\">\n";
    for (const Picture &picture : pictures)
        out << "    <file>" << picture.path << "</file>\n";
    out << "    <file>" << iconFileName << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    out.flush();
    return writeFile(folder + "/icons.qrc", text);
}

int fail(const QString &message)
{
    QTextStream(stderr) << "icon_generator: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing text needs a GUI application, but never a display.
    QVector<char *> arguments(argv, argv + argc);
    char platformOption[] = "-platform";
    char platformName[] = "offscreen";
    arguments.append(platformOption);
    arguments.append(platformName);
    int count = arguments.size();
    QGuiApplication app(count, arguments.data());

    const QStringList args = app.arguments();
    if (args.size() != 3 && !(args.size() == 5 && args[3] == QLatin1String("--review")))
        return fail(QStringLiteral("usage: icon_generator <output folder> <application icon SVG> [--review <folder>]"));
    const QString outFolder = args[1];
    const QString appIconSvg = args[2];
    if (!QFile::exists(appIconSvg))
        return fail(QStringLiteral("no application icon at %1").arg(appIconSvg));

    const QVector<Picture> pictures = buildCatalogue(appIconSvg);
    QDir out(outFolder);
    for (const Picture &picture : pictures) {
        const QString path = out.filePath(picture.path);
        QDir().mkpath(QFileInfo(path).path());
        if (picture.image.isNull() || !picture.image.save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    if (!writeFile(out.filePath(iconFileName), multiSizeIcon(appIconSvg)))
        return fail(QStringLiteral("cannot write %1").arg(out.filePath(iconFileName)));
    if (!writeResourceList(outFolder, pictures))
        return fail(QStringLiteral("cannot write the resource list in %1").arg(outFolder));

    // The application icon for the desktop's icon theme; installed, not compiled in.
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = out.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(side));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/document-camera.png");
        if (!renderSvg(appIconSvg, side).save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }

    if (args.size() == 5) {
        QDir review(args[4]);
        review.mkpath(QStringLiteral("."));
        const QImage sheet = contactSheet(pictures);
        sheet.save(review.filePath(QStringLiteral("contact-sheet.png")));
        // Enlarged tiles of the sheet, to judge the small pictures pixel by pixel.
        const QSize tile(750, 450);
        for (int y = 0; y * tile.height() < sheet.height(); ++y)
            for (int x = 0; x * tile.width() < sheet.width(); ++x)
                sheet.copy(QRect(QPoint(x * tile.width(), y * tile.height()), tile))
                    .scaled(tile * 2)
                    .save(review.filePath(QStringLiteral("zoom-%1-%2.png").arg(y).arg(x)));
        windowMockup(pictures).save(review.filePath(QStringLiteral("window-mockup.png")));
        QImage icons(256 + 128 + 64 + 48 + 32 + 24 + 16 + 8 * 10, 276, QImage::Format_ARGB32_Premultiplied);
        icons.fill(QColor(48, 48, 48));
        QPainter painter(&icons);
        int x = 10;
        for (int side : {256, 128, 64, 48, 32, 24, 16}) {
            painter.drawImage(x, 10, renderSvg(appIconSvg, side));
            x += side + 10;
        }
        painter.end();
        icons.save(review.filePath(QStringLiteral("app-icon.png")));
    }
    return 0;
}
