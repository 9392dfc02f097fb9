#include "SettingsToolWindow.h"

#include "Config.h"
#include "ElidedComboBox.h"
#include "ImageButton.h"
#include "LiveSource.h"
#include "MainWindow.h"
#include "Translations.h"
#include "media/RecordingFormat.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

const QVector<int> SettingsToolWindow::snapshotModes{SingleShot, Continuous};

const QVector<quint64> SettingsToolWindow::snapshotIntervals{
    1, 2, 3, 4, 5, 10, 20, 30, 60, 120, 180, 240, 300, 600, 1200, 1800, 3600};

const QVector<QSize> SettingsToolWindow::largeResolutions{
    QSize(1920, 1080), QSize(2048, 1536), QSize(2592, 1944)};

namespace {

const int LabelX = 8;
const int ControlX = 105;
const int BrowseX = 160;
const int RecordingFormatY = 218;
const int LanguageY = RecordingFormatY + 24;
const int ButtonsY = 289;

// Captions in the order of snapshotIntervals: eight in seconds, eight in minutes, one hour.
QStringList intervalCaptions(const QString &seconds, const QString &minutes, const QString &hour)
{
    const QStringList counts{QStringLiteral("1 "), QStringLiteral("2 "), QStringLiteral("3 "),
                             QStringLiteral("4 "), QStringLiteral("5 "), QStringLiteral("10 "),
                             QStringLiteral("20 "), QStringLiteral("30 ")};
    QStringList captions;
    for (const QString &count : counts)
        captions << count + seconds;
    for (const QString &count : counts)
        captions << count + minutes;
    captions << QStringLiteral("1 ") + hour;
    return captions;
}

QLineEdit *addReadOnlyEdit(QWidget *window, const QString &text, int y)
{
    QLineEdit *edit = new QLineEdit(text, window);
    edit->setReadOnly(true);
    edit->move(ControlX, y);
    return edit;
}

ImageButton *addCaptionButton(QWidget *window, const QString &caption, int x, int y)
{
    ImageButton *button = new ImageButton(QStringLiteral("POPUP_BUTTON"), window, x, y);
    button->setText(caption);
    button->setFont(QFont(QStringLiteral("Calibri"), 8));
    return button;
}

} // namespace

SettingsToolWindow::SettingsToolWindow(QWidget *anchor, MainWindow *mainWindow)
    : ToolWindow(QImage(QStringLiteral(":/icons/Background/POP_BK_SETTING.png")), anchor, mainWindow,
                 //: Title of the settings window, white on its title band (about 200 pixels).
                 tr("Setting"))
    , chooseFolder([] {
        return QFileDialog::getExistingDirectory(nullptr, QString(), QString(),
                                                 QFileDialog::ShowDirsOnly);
    })
    , mainWindow(mainWindow)
{
    setStyleSheet(QStringLiteral("QLabel { font-family: Arial; font-size: ") + QStringLiteral("14")
                  + QStringLiteral("px; color: gray; }QLineEdit { font-family: Calibri; font-size: 10; "
                                   "width: 124px; } QComboBox { font-family: Calibri; font-size: 10; "
                                   "width: 124px; } "));

    //: Settings window: label of the camera choice; at most about 12 characters (97 pixels).
    (new QLabel(tr("Source"), this))->move(LabelX, 24);
    cameraBox = new ElidedComboBox(this);
    cameraBox->move(ControlX, 24);
    cameraBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fillCameraBox();
    connect(mainWindow->liveSource, SIGNAL(camerasChanged()), this, SLOT(fillCameraBox()));

    //: Settings window: label of the camera's capture size; at most about 12 characters (97 pixels).
    (new QLabel(tr("Resolution"), this))->move(LabelX, 48);
    resolutionBox = new QComboBox(this);
    resolutionBox->move(ControlX, 48);
    for (const QSize &size : mainWindow->resolutions)
        resolutionBox->addItem(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
    lastResolutionIndex = nearestResolution(resolutionBox, Config::resolution());
    resolutionBox->setCurrentIndex(lastResolutionIndex);
    // Connected only now, so the initial choice asks nothing.
    connect(resolutionBox, SIGNAL(currentIndexChanged(int)), this, SLOT(resolutionChanged(int)));

    //: Settings window: label of the snapshot mode (Single or Continuous), not of the camera's
    //: capture size; at most about 12 characters (97 pixels).
    (new QLabel(tr("Capture"), this))->move(LabelX, 72);
    captureModeBox = new QComboBox(this);
    captureModeBox->move(ControlX, 72);
    //: Settings window, snapshot mode: one snapshot per click (box of 124 pixels).
    const QString single = tr("Single");
    //: Settings window, snapshot mode: a snapshot every interval until stopped (box of 124 pixels).
    const QString continuous = tr("Continuous");
    captureModeBox->addItems({single, continuous});
    const int modeIndex = snapshotModes.indexOf(Config::snapshotMode());
    if (modeIndex >= 0)
        captureModeBox->setCurrentIndex(modeIndex);

    //: Settings window: label of the interval between continuous snapshots; at most about 12
    //: characters (97 pixels).
    (new QLabel(tr("Time"), this))->move(LabelX, 96);
    intervalBox = new QComboBox(this);
    intervalBox->move(ControlX, 96);
    //: Settings window, snapshot interval unit after a number ("5 sec"); short.
    const QString seconds = tr("sec");
    //: Settings window, snapshot interval unit after a number ("5 min"); short.
    const QString minutes = tr("min");
    //: Settings window, snapshot interval unit after "1" ("1 hr"); short.
    const QString hour = tr("hr");
    intervalBox->addItems(intervalCaptions(seconds, minutes, hour));
    const int intervalIndex = snapshotIntervals.indexOf(Config::snapshotInterval());
    if (intervalIndex >= 0)
        intervalBox->setCurrentIndex(intervalIndex);

    //: Settings window: label of the folder snapshots are saved in (not a Save command); at most
    //: about 12 characters (97 pixels).
    (new QLabel(tr("Save as"), this))->move(LabelX, 120);
    snapshotPathEdit = addReadOnlyEdit(this, Config::snapshotPath(), 120);
    //: Settings window: button that opens a folder dialog; at most 78 pixels in 8-point type.
    const QString browse = tr("Browse");
    ImageButton *snapshotBrowse = addCaptionButton(this, browse, BrowseX, 144);
    connect(snapshotBrowse, SIGNAL(clicked()), this, SLOT(snapshotFileBrowse()));

    // The longer caption fits these two languages better.
    const QString language = Config::language();
    const bool longCaption = language == QLatin1String("ja") || language == QLatin1String("ru");
    //: Settings window: label of the folder recordings are saved in, shown in Japanese and
    //: Russian only (a longer form of "Recording"); at most about 12 characters (97 pixels).
    const QString recordingSave = tr("RecordingSave");
    //: Settings window: label of the folder recordings are saved in; at most about 12 characters
    //: (97 pixels).
    const QString recording = tr("Recording");
    (new QLabel(longCaption ? recordingSave : recording, this))->move(LabelX, 169);
    recordPathEdit = addReadOnlyEdit(this, Config::recordPath(), 169);
    ImageButton *recordBrowse = addCaptionButton(this, browse, BrowseX, 193);
    connect(recordBrowse, SIGNAL(clicked()), this, SLOT(recordFileBrowse()));

    //: Settings window: label of what recordings are written as, in the row under the recording
    //: folder; at most about 12 characters (97 pixels).
    (new QLabel(tr("Format"), this))->move(LabelX, RecordingFormatY);
    recordingFormatBox = new QComboBox(this);
    recordingFormatBox->move(ControlX, RecordingFormatY);
    //: Settings window, recording format: the classic one (box of 124 pixels).
    const QString avi = tr("AVI (Motion JPEG)");
    //: Settings window, recording format: small files every player opens (box of 124 pixels).
    const QString mp4 = tr("MP4 (H.264)");
    for (const RecordingFormat format : RecordingFormat::installed())
        recordingFormatBox->addItem(format.kind() == RecordingFormat::Mp4 ? mp4 : avi, format.key());
    const QString storedFormat = RecordingFormat::fromKey(Config::recordingFormat()).key();
    recordingFormatBox->setCurrentIndex(qMax(0, recordingFormatBox->findData(storedFormat)));

    addLanguageRow(LanguageY);

    //: Settings window: button that stores the settings; at most 78 pixels in 8-point type.
    ImageButton *ok = addCaptionButton(this, tr("OK"), 80, ButtonsY);
    connect(ok, SIGNAL(clicked()), this, SLOT(settingsOk()));
    //: Settings window: button that closes it without storing; at most 78 pixels in 8-point type.
    ImageButton *cancel = addCaptionButton(this, tr("Cancel"), 160, ButtonsY);
    connect(cancel, SIGNAL(clicked()), this, SLOT(close()));
}

// Each language by its own name; the choice is used from the next start, which the row says as
// soon as it differs from the language running now.
void SettingsToolWindow::addLanguageRow(int y)
{
    //: Settings window: label of the interface language choice; at most about 12 characters
    //: (97 pixels).
    (new QLabel(tr("Language"), this))->move(LabelX, y);
    languageBox = new QComboBox(this);
    languageBox->move(ControlX, y);
    for (const Translations::Language &language : Translations::available())
        languageBox->addItem(language.name, language.code);
    languageBox->setCurrentIndex(qMax(0, languageBox->findData(Config::chosenLanguage())));

    //: Settings window, under the language choice: shown when the chosen language differs from the
    //: one in use; one line of about 250 pixels.
    languageNotice = new QLabel(tr("The new language is used from the next start."), this);
    languageNotice->setObjectName(QStringLiteral("languageNotice"));
    languageNotice->setStyleSheet(QStringLiteral("font-size: 11px;"));
    languageNotice->setGeometry(LabelX, y + 24, width() - 2 * LabelX, 16);
    const auto showNotice = [this] {
        languageNotice->setVisible(languageBox->currentData().toString() != Config::language());
    };
    connect(languageBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, showNotice);
    showNotice();
}

void SettingsToolWindow::fillCameraBox()
{
    const QString chosen = cameraBox->count() ? cameraBox->currentData().toString() : Config::camera();
    cameraBox->clear();
    //: Camera choice in the settings window (Source row, about 16 characters): the program takes
    //: a supported document camera, else an external USB camera.
    cameraBox->addItem(tr("Automatic"), QString());
    bool chosenPresent = chosen.isEmpty();
    for (const CaptureDevice &camera : mainWindow->liveSource->camerasPresent()) {
        cameraBox->addItem(camera.name, camera.identity);
        chosenPresent = chosenPresent || camera.identity == chosen;
    }
    // A chosen camera that is unplugged stays chosen: the live source waits for it.
    if (!chosenPresent)
        //: Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.
        cameraBox->addItem(tr("%1 (not connected)").arg(chosen), chosen);
    cameraBox->setCurrentIndex(qMax(0, cameraBox->findData(chosen)));
    // A long camera name is elided in the closed box, whole in its tool tip and in the list.
    cameraBox->view()->setMinimumWidth(cameraBox->view()->sizeHintForColumn(0));
}

QSize SettingsToolWindow::parseResolution(const QString &text)
{
    const QStringList parts =
        text.split(QRegularExpression(QStringLiteral("[x\\s]")), Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return QSize();
    return QSize(parts.at(0).toInt(nullptr, 10), parts.at(1).toInt(nullptr, 10));
}

int SettingsToolWindow::nearestResolution(const QComboBox *box, const QSize &target)
{
    // A stored size may be anything an int holds: the differences are taken in 64 bits.
    int best = -1;
    qint64 bestDistance = 0;
    for (int i = 0; i < box->count(); ++i) {
        const QSize size = parseResolution(box->itemText(i));
        const qint64 distance = qAbs(qint64(target.width()) - size.width())
                                + qAbs(qint64(target.height()) - size.height());
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void SettingsToolWindow::recordingResolutionChanged(int index)
{
    Q_UNUSED(index);
}

void SettingsToolWindow::resolutionChanged(int index)
{
    if (index == lastResolutionIndex)
        return;
    const QSize size = parseResolution(resolutionBox->itemText(index));
    if (!confirmLargeResolution(size.width())) {
        // Going back calls this slot again, which stops at once on the accepted index.
        resolutionBox->setCurrentIndex(lastResolutionIndex);
        return;
    }
    lastResolutionIndex = index;
}

bool SettingsToolWindow::confirmLargeResolution(int width)
{
    // Only widths from 1920 on are looked up; 3264, say, is not in the table and not asked about.
    if (width < 1920)
        return true;
    for (const QSize &large : largeResolutions) {
        if (large.width() != width)
            continue;
        const QString text = tr("Using a recording resolution of %1x%2 may cause low framerate "
                                "when the PC isn't powerful. Continue?")
                                 .arg(large.width())
                                 .arg(large.height());
        //: Title of the question whether a large capture size is wanted.
        return QMessageBox::question(this, tr("Question"), text, QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::No;
    }
    return true;
}

void SettingsToolWindow::browseInto(QLineEdit *edit)
{
    const QString folder = chooseFolder ? chooseFolder() : QString();
    if (!folder.isEmpty())
        edit->setText(folder);
}

void SettingsToolWindow::snapshotFileBrowse()
{
    browseInto(snapshotPathEdit);
}

void SettingsToolWindow::recordFileBrowse()
{
    browseInto(recordPathEdit);
}

void SettingsToolWindow::settingsOk()
{
    Config::setSnapshotMode(snapshotModes.value(captureModeBox->currentIndex(), SingleShot));
    Config::setSnapshotInterval(snapshotIntervals.value(intervalBox->currentIndex(), snapshotIntervals.first()));
    Config::setSnapshotPath(snapshotPathEdit->text());
    Config::setRecordPath(recordPathEdit->text());
    // Taken by the next recording; a running one goes on as it started.
    Config::setRecordingFormat(recordingFormatBox->currentData().toString());
    const QSize size = parseResolution(resolutionBox->currentText());
    // An empty list names no size; the stored one stays.
    if (size.isValid())
        Config::setResolution(size);
    const QSize resolution = Config::resolution();
    LiveSource *camera = mainWindow->liveSource;
    Config::setCamera(cameraBox->currentData().toString());
    Config::setLanguage(languageBox->currentData().toString());
    camera->setCameraChoice(Config::camera());
    camera->setResolution(resolution.width(), resolution.height());
    // A new size rebuilds the camera, which ends a recording; the same size leaves a recording
    // running, and the window must keep showing it and be able to stop it.
    if (!camera->isRecording())
        mainWindow->recordingStopped();
    close();
}
