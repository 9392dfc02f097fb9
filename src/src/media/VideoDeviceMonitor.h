#ifndef VIDEODEVICEMONITOR_H
#define VIDEODEVICEMONITOR_H

#include <QObject>

#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Tells when video devices come or go, so the device list is read again only then. The system's
// monitor listens to udev's announcements for the video4linux subsystem; a monitor made with the
// plain constructor reports only what notifyChange() tells it (tests drive it that way).
class VideoDeviceMonitor : public QObject
{
    Q_OBJECT

public:
    explicit VideoDeviceMonitor(QObject *parent = nullptr);
    ~VideoDeviceMonitor() override;

    // Null when no udev monitor can be made (no udev in a container, no netlink socket).
    static std::unique_ptr<VideoDeviceMonitor> forUdev();

public slots:
    void notifyChange();

signals:
    void changed();

private slots:
    void readUdevEvents();

private:
    struct udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    QSocketNotifier *notifier = nullptr;
};

#endif
