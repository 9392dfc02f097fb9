#include "LiveSource.h"

#include "Config.h"
#include "ICaptureCB.h"
#include "media/GstCameraBackend.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

const LiveSource::CameraId LiveSource::cameraIdTable[6] = {
    {0x04FC, 0x5330}, {0x04FC, 0x5339}, {0x04FC, 0x6330},
    {0x04FC, 0x6339}, {0x04FC, 0x2620}, {0x04FC, 0x2089},
};

LiveSource::LiveSource(ICaptureCB *receiver, int width, int height, int recordingWidth,
                       int recordingHeight, QObject *parent)
    : LiveSource(GstCameraBackend::forSystem(), receiver, width, height, recordingWidth,
                 recordingHeight, parent)
{
}

LiveSource::LiveSource(std::unique_ptr<CameraBackend> cameraBackend, ICaptureCB *receiver,
                       int width, int height, int recordingWidth, int recordingHeight,
                       QObject *parent, Clock clock)
    : LiveSourceBase(parent)
    , pollTimer(this)
    , receiver(receiver)
    , width(width)
    , height(height)
    , recordingWidth(recordingWidth)
    , recordingHeight(recordingHeight)
    , backend(std::move(cameraBackend))
    , clock(std::move(clock))
{
    clockStart.start();
    if (!this->clock)
        this->clock = [this] { return clockStart.elapsed(); };
    connect(backend.get(), SIGNAL(failed(CameraBackend::Failure, QString)), this,
            SLOT(backendFailed(CameraBackend::Failure, QString)));
    connect(backend.get(), SIGNAL(recordingStarted()), this, SLOT(backendRecordingStarted()));
    connect(backend.get(), SIGNAL(recordingFinished()), this, SLOT(backendRecordingFinished()));
    connect(&watch, SIGNAL(lowDiskSpace()), this, SLOT(stopForLowDiskSpace()));
    connect(&watch, SIGNAL(fileRemoved()), this, SLOT(stopForRemovedFile()));

    checkExistance();
    connect(&pollTimer, SIGNAL(timeout()), this, SLOT(checkExistance()));
    pollTimer.setInterval(PollIntervalMs);
    pollTimer.start();
}

LiveSource::~LiveSource()
{
    if (open)
        releaseGraph();
}

bool LiveSource::isOpen() const
{
    return open;
}

bool LiveSource::isRecording() const
{
    return recording;
}

bool LiveSource::isFinishingRecording() const
{
    return finishing;
}

QSize LiveSource::resolution() const
{
    return QSize(width, height);
}

int LiveSource::setExtensionControl(int selector, const void *data, int size)
{
    if (!open)
        return -ENODEV;
    return backend->setExtensionControl(selector, data, size);
}

int LiveSource::getExtensionControl(int selector, void *data, int size)
{
    if (!open)
        return -ENODEV;
    return backend->getExtensionControl(selector, data, size);
}

RecordingWatch &LiveSource::recordingWatch()
{
    return watch;
}

void LiveSource::startRecording(const QString &fileName)
{
    if (!open || recording || finishing)
        return;
    if (!watch.hasRoom(QFileInfo(fileName).absolutePath())) {
        reportRecordingFailed(tr("The recording was not started: less than %1 MB of disk space is "
                                 "free in the recording folder.").arg(minimumFreeMegabytes()));
        return;
    }
    recordFile = fileName;
    buildGraph(true);
}

void LiveSource::stopRecording()
{
    if (!open)
        return;
    finishRecording(nullptr);
}

// A new size needs the camera opened anew; a recording is finished first, so the camera is free.
void LiveSource::setResolution(int newWidth, int newHeight)
{
    if (newWidth == width && newHeight == height)
        return;
    width = newWidth;
    height = newHeight;
    if (!open)
        return;
    const bool wasRecording = recording;
    finishRecording([this, wasRecording] {
        restartPreview();
        if (wasRecording)
            reportRecordingFailed(tr("The recording was stopped because the capture size changed. "
                                     "What was recorded has been saved."));
    });
}

void LiveSource::triggerAutoFocus()
{
    if (!open)
        return;
    // Setting the current value manually and then switching to automatic makes the camera
    // focus once more from where it is.
    // A focus that cannot be read is not set: the camera only gets focusing back.
    if (const std::optional<int> current = backend->focus())
        backend->setFocus(*current, CameraBackend::FocusMode::Manual);
    backend->setFocus(0, CameraBackend::FocusMode::Auto);
}

void LiveSource::stopAutoRefresh()
{
    if (receiver)
        receiver->stopAutoRefresh();
}

std::optional<int> LiveSource::brightness()
{
    return backend->brightness();
}

void LiveSource::setBrightness(int value)
{
    backend->setBrightness(value);
}

QPair<int, int> LiveSource::brightnessRange()
{
    return backend->brightnessRange();
}

bool LiveSource::isSupportedCamera(quint16 vendor, quint16 product)
{
    for (const CameraId &id : cameraIdTable) {
        if (vendor == id.vendor && (product & 0xFF00) == (id.product & 0xFF00))
            return true;
    }
    return false;
}

void LiveSource::readUsbIds(const QString &displayName, quint16 *vendor, quint16 *product)
{
    const auto idAfter = [&displayName](const QString &marker) -> quint16 {
        const int at = displayName.indexOf(marker, 0, Qt::CaseSensitive);
        if (at < 0)
            return 0;
        return displayName.mid(at + marker.size(), 4).toUShort(nullptr, 16);
    };
    *vendor = idAfter(QStringLiteral("vid_"));
    *product = idAfter(QStringLiteral("pid_"));
}

bool LiveSource::enumCaptureFilter(DeviceCategory category, CaptureDevice *device)
{
    if (category == DeviceCategory::VideoInput) {
        readPresentCameras();
        QList<int> supported;
        for (int index = 0; index < present.size(); ++index) {
            if (present[index].kind == CaptureDevice::Kind::Supported)
                supported << index;
        }
        return openFirst(supported, device);
    }
    for (const CaptureDevice &candidate : backend->audioInputDevices()) {
        quint16 vendor = 0;
        quint16 product = 0;
        readUsbIds(candidate.displayName, &vendor, &product);
        if (isSupportedCamera(vendor, product))
            continue;
        *device = candidate;
        return true;
    }
    return false;
}

void LiveSource::setCameraChoice(const QString &identity)
{
    if (identity == choice)
        return;
    choice = identity;
    // Choosing a camera by hand gives it another try, even one refused before.
    refusedCameras.remove(identity);
    forgetSighting();
    emit cameraStateChanged();
    if (!open)
        return;
    const QList<int> order = camerasToTry();
    if (!order.isEmpty() && keyOf(present[order.first()]) == keyOf(videoCapture))
        return;
    const bool wasRecording = recording;
    finishRecording([this, wasRecording] {
        closeCamera();
        if (wasRecording)
            reportRecordingFailed(tr("The recording was stopped because another camera was chosen. "
                                     "What was recorded has been saved."));
    });
}

QString LiveSource::cameraChoice() const
{
    return choice;
}

QList<CaptureDevice> LiveSource::camerasPresent() const
{
    return present;
}

bool LiveSource::hasCameraToTake() const
{
    return !camerasToTry().isEmpty();
}

CaptureDevice LiveSource::cameraInUse() const
{
    return videoCapture;
}

void LiveSource::checkExistance()
{
    readPresentCameras();
    if (open)
        return;
    const QList<int> order = camerasToTry();
    if (order.isEmpty()) {
        forgetSighting();
        return;
    }
    const qint64 now = clock();
    const QString camera = keyOf(present[order.first()]);
    if (firstSeenAt < 0 || camera != timedCamera) {
        firstSeenAt = now;
        timedCamera = camera;
        return;
    }
    if (now - firstSeenAt <= StabilityWaitMs)
        return;
    CaptureDevice found;
    if (!openFirst(order, &found)) {
        // None of them opened: the next attempt waits another two seconds, not just one poll.
        firstSeenAt = now;
        return;
    }
    open = true;
    videoCapture = found;
    emit cameraStateChanged();
    buildGraph(false);
}

void LiveSource::readPresentCameras()
{
    QList<CaptureDevice> seen = backend->videoInputDevices();
    for (CaptureDevice &camera : seen) {
        quint16 vendor = 0;
        quint16 product = 0;
        readUsbIds(camera.displayName, &vendor, &product);
        if (isSupportedCamera(vendor, product))
            camera.kind = CaptureDevice::Kind::Supported;
        if (refusedCameras.contains(keyOf(camera)))
            camera.kind = CaptureDevice::Kind::Infrared;
    }
    const auto same = [](const CaptureDevice &a, const CaptureDevice &b) {
        return keyOf(a) == keyOf(b) && a.kind == b.kind && a.path == b.path && a.name == b.name;
    };
    const bool changed = seen.size() != present.size()
        || !std::equal(seen.cbegin(), seen.cend(), present.cbegin(), same);
    present = seen;
    if (changed)
        emit camerasChanged();
}

// Indices into the present cameras, in the order they are tried.
QList<int> LiveSource::camerasToTry() const
{
    if (!choice.isEmpty()) {
        const int chosen = indexOfChoice();
        if (chosen < 0 || refusedCameras.contains(keyOf(present[chosen])))
            return {};
        return {chosen};
    }
    QList<int> order;
    for (const CaptureDevice::Kind kind : {CaptureDevice::Kind::Supported, CaptureDevice::Kind::External}) {
        for (int index = 0; index < present.size(); ++index) {
            if (present[index].kind == kind)
                order << index;
        }
    }
    return order;
}

// The chosen camera by its identity; a camera without a serial is known by its port, so when it
// was moved to another port the one present camera with the same ids is taken for it.
int LiveSource::indexOfChoice() const
{
    for (int index = 0; index < present.size(); ++index) {
        if (keyOf(present[index]) == choice)
            return index;
    }
    const int port = choice.indexOf(QLatin1String(":port:"));
    if (!choice.startsWith(QLatin1String("usb:")) || port < 0)
        return -1;
    const QString sameIds = choice.left(port) + QLatin1String(":port:");
    int found = -1;
    for (int index = 0; index < present.size(); ++index) {
        if (!present[index].identity.startsWith(sameIds))
            continue;
        if (found >= 0)
            return -1;
        found = index;
    }
    return found;
}

bool LiveSource::openFirst(const QList<int> &order, CaptureDevice *opened)
{
    for (const int index : order) {
        const CaptureDevice candidate = present[index];
        const CameraBackend::OpenResult result = openCandidate(candidate, index);
        // A grey-only sensor is never taken on its own, but a user who chose it gets it.
        const bool greyButChosen = result == CameraBackend::OpenResult::GreyOnly && !choice.isEmpty();
        if (result == CameraBackend::OpenResult::Opened || greyButChosen) {
            *opened = candidate;
            return true;
        }
        if (result == CameraBackend::OpenResult::GreyOnly) {
            backend->releaseCamera();
            refuse(index);
        }
    }
    return false;
}

CameraBackend::OpenResult LiveSource::openCandidate(const CaptureDevice &candidate, int index)
{
    const bool supported = candidate.kind == CaptureDevice::Kind::Supported;
    if (supported) {
        quint16 vendor = 0;
        quint16 product = 0;
        readUsbIds(candidate.displayName, &vendor, &product);
        qDebug() << Q_FUNC_INFO << "Done with index" << index << ", vid =" << Qt::hex << vendor
                 << "pid =" << Qt::hex << product;
    }
    const CameraBackend::OpenResult result = backend->openCamera(candidate);
    if (result == CameraBackend::OpenResult::NoExtensionUnit) {
        if (supported)
            qDebug() << Q_FUNC_INFO << "cancelled";
        else
            qDebug() << Q_FUNC_INFO << "could not open" << candidate.displayName;
    }
    return result;
}

// A sensor that shows only grey (infrared, depth) is no document camera; it is not opened again
// by the automatic rule for as long as the program runs.
void LiveSource::refuse(int index)
{
    qDebug() << Q_FUNC_INFO << "only grey pictures, not used:" << present[index].displayName;
    refusedCameras.insert(keyOf(present[index]));
    present[index].kind = CaptureDevice::Kind::Infrared;
    emit camerasChanged();
}

// Devices a back end lists without an identity are told apart by their display name.
QString LiveSource::keyOf(const CaptureDevice &device)
{
    return device.identity.isEmpty() ? device.displayName : device.identity;
}

void LiveSource::forgetSighting()
{
    firstSeenAt = -1;
    timedCamera.clear();
}

void LiveSource::buildGraph(bool record)
{
    if (!open)
        return;
    const QSize size(width, height);
    if (!record) {
        if (!backend->startPreview(receiver, size))
            loseCamera(backend->lastError());
        return;
    }

    // Recording from here: a back end that says at once that its file is open finds it so.
    recording = true;
    // Read at every start, so whoever starts a recording gets the format last chosen.
    const RecordingFormat format = RecordingFormat::chosen(Config::recordingFormat());
    audioPresent = enumCaptureFilter(DeviceCategory::AudioInput, &audioCapture);
    if (backend->startRecording(receiver, size, recordFile, audioPresent ? &audioCapture : nullptr,
                                format))
        return;
    // A sound input that cannot be opened is treated like none: the picture is still recorded.
    if (audioPresent) {
        qDebug() << Q_FUNC_INFO << "recording with sound did not start:" << backend->lastError();
        audioPresent = false;
        if (backend->startRecording(receiver, size, recordFile, nullptr, format))
            return;
    }
    recording = false;
    const QString error = backend->lastError();
    qDebug() << Q_FUNC_INFO << "recording did not start:" << error;
    reportRecordingFailed(tr("The recording could not be started: %1").arg(error));
}

// Without the hold the recording still runs; only a removed file can then not be written back.
void LiveSource::backendRecordingStarted()
{
    if (!recording)
        return;
    if (!keeper.hold(recordFile))
        qDebug() << Q_FUNC_INFO << "recording without a spare handle on" << recordFile;
    watch.start(recordFile);
    emit recordingStarted();
}

// Ends the recording without waiting for it; `then` runs once the file is complete, before
// recordingEnded() is sent. With no recording to end it runs at once.
void LiveSource::finishRecording(std::function<void()> then)
{
    if (finishing) {
        if (then)
            afterFinish = [first = std::move(afterFinish), then = std::move(then)] {
                if (first)
                    first();
                then();
            };
        return;
    }
    if (!recording) {
        if (then)
            then();
        return;
    }
    recording = false;
    finishing = true;
    afterFinish = std::move(then);
    watch.stop();
    backend->stopRecording();
}

// The keeper lets go of the file only now that it is complete, so a file whose name was taken
// away meanwhile is written back whole.
void LiveSource::backendRecordingFinished()
{
    if (!finishing)
        return;
    finishing = false;
    lastKeep = keeper.release();
    const std::function<void()> then = std::move(afterFinish);
    afterFinish = nullptr;
    if (then)
        then();
    // After any failure report queued by `then`: the window hears why before it hears the end.
    QMetaObject::invokeMethod(this, &LiveSource::recordingEnded, Qt::QueuedConnection);
}

void LiveSource::restartPreview()
{
    if (!open)
        return;
    backend->stop();
    buildGraph(false);
}

// Closing waits (bounded) for a running recording's file to be complete before it returns.
void LiveSource::releaseGraph()
{
    backend->stop();
    watch.stop();
    if (recording || finishing)
        lastKeep = keeper.release();
    recording = false;
    finishing = false;
    afterFinish = nullptr;
}

void LiveSource::loseCamera(const QString &reason)
{
    qDebug() << Q_FUNC_INFO << "camera lost:" << reason;
    closeCamera();
    const QString message = tr("The camera stopped delivering pictures: %1").arg(reason);
    QMetaObject::invokeMethod(
        this, [this, message] { emit cameraLost(message); }, Qt::QueuedConnection);
}

void LiveSource::closeCamera()
{
    releaseGraph();
    backend->releaseCamera();
    open = false;
    forgetSighting();
    videoCapture = CaptureDevice();
    emit cameraStateChanged();
}

// Queued like cameraLost(), so a window that has just asked for a recording sees the failure
// after its own command has finished, not in the middle of it.
void LiveSource::reportRecordingFailed(const QString &message)
{
    QMetaObject::invokeMethod(
        this, [this, message] { emit recordingFailed(message); }, Qt::QueuedConnection);
}

void LiveSource::backendFailed(CameraBackend::Failure failure, const QString &message)
{
    qDebug() << Q_FUNC_INFO << "camera pipeline error:" << message;
    if (!open)
        return;
    if (failure == CameraBackend::Failure::RecordingNotStarted) {
        if (!recording)
            return;
        recording = false;
        watch.stop();
        lastKeep = keeper.release();
        reportRecordingFailed(tr("The recording could not be started: %1").arg(message));
        QMetaObject::invokeMethod(this, &LiveSource::recordingEnded, Qt::QueuedConnection);
        return;
    }
    const bool wasRecording = recording;
    if (failure == CameraBackend::Failure::CameraLost) {
        finishRecording([this, message, wasRecording] {
            loseCamera(message);
            if (wasRecording)
                reportRecordingFailed(tr("The recording was stopped because the camera stopped "
                                         "working. What was recorded has been saved."));
        });
        return;
    }
    if (!wasRecording)
        return;
    // The preview goes on: only the recording broke.
    //: Message box; %1 is the system's reason.
    finishRecording([this, message] { reportRecordingFailed(tr("The recording failed: %1").arg(message)); });
}

void LiveSource::stopForLowDiskSpace()
{
    if (!recording)
        return;
    finishRecording([this] {
        reportRecordingFailed(tr("The recording was stopped because less than %1 MB of disk space "
                                 "is left in the recording folder. What was recorded has been saved.")
                                  .arg(minimumFreeMegabytes()));
    });
}

void LiveSource::stopForRemovedFile()
{
    if (!recording)
        return;
    finishRecording([this] {
        const bool savedAgain = lastKeep == RecordingFileKeeper::Outcome::Kept
            || lastKeep == RecordingFileKeeper::Outcome::Restored;
        if (!savedAgain)
            reportRecordingFailed(tr("The recording was stopped because its file or folder was "
                                     "removed. What was recorded could not be saved again."));
        else
            reportRecordingFailed(tr("The recording was stopped because its file or folder was "
                                     "removed. What was recorded has been saved again as %1.")
                                      .arg(QDir::toNativeSeparators(keeper.restoredPath().isEmpty()
                                                                        ? recordFile
                                                                        : keeper.restoredPath())));
    });
}

qint64 LiveSource::minimumFreeMegabytes() const
{
    return watch.minimumFreeBytes() / (1024 * 1024);
}
