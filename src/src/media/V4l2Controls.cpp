#include "V4l2Controls.h"

#include <QDebug>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/usb/video.h>
#include <linux/uvcvideo.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

int retryingIoctl(int fd, unsigned long request, void *argument)
{
    int result;
    do {
        result = ioctl(fd, request, argument);
    } while (result < 0 && errno == EINTR);
    return result;
}

} // namespace

std::unique_ptr<CameraControls> V4l2Controls::open(const QString &node)
{
    if (node.isEmpty())
        return nullptr;
    const int fd = ::open(node.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<CameraControls>(new V4l2Controls(fd));
}

V4l2Controls::V4l2Controls(int fd)
    : fd(fd)
{
}

V4l2Controls::~V4l2Controls()
{
    ::close(fd);
}

bool V4l2Controls::hasBrightness()
{
    v4l2_queryctrl query = {};
    query.id = V4L2_CID_BRIGHTNESS;
    return retryingIoctl(fd, VIDIOC_QUERYCTRL, &query) == 0
        && !(query.flags & V4L2_CTRL_FLAG_DISABLED);
}

int V4l2Controls::brightness()
{
    return value(V4L2_CID_BRIGHTNESS);
}

void V4l2Controls::setBrightness(int newValue)
{
    setValue(V4L2_CID_BRIGHTNESS, newValue);
}

QPair<int, int> V4l2Controls::brightnessRange()
{
    v4l2_queryctrl query = {};
    query.id = V4L2_CID_BRIGHTNESS;
    if (retryingIoctl(fd, VIDIOC_QUERYCTRL, &query) < 0)
        return {0, 0};
    return {query.minimum, query.maximum};
}

int V4l2Controls::focus()
{
    return value(V4L2_CID_FOCUS_ABSOLUTE);
}

void V4l2Controls::setFocus(int newValue, bool automatic)
{
    // The absolute focus is inactive while automatic focus is on: switch that off first.
    if (automatic) {
        setValue(V4L2_CID_FOCUS_AUTO, 1);
        return;
    }
    setValue(V4L2_CID_FOCUS_AUTO, 0);
    setValue(V4L2_CID_FOCUS_ABSOLUTE, newValue);
}

int V4l2Controls::setExtensionControl(int selector, const void *data, int size)
{
    return extensionQuery(selector, UVC_SET_CUR, const_cast<void *>(data), size);
}

int V4l2Controls::getExtensionControl(int selector, void *data, int size)
{
    return extensionQuery(selector, UVC_GET_CUR, data, size);
}

int V4l2Controls::value(unsigned id)
{
    v4l2_control control = {};
    control.id = id;
    if (retryingIoctl(fd, VIDIOC_G_CTRL, &control) < 0)
        return 0;
    return control.value;
}

void V4l2Controls::setValue(unsigned id, int newValue)
{
    v4l2_control control = {};
    control.id = id;
    control.value = newValue;
    if (retryingIoctl(fd, VIDIOC_S_CTRL, &control) < 0)
        qDebug() << "Camera control" << Qt::hex << id << "not set:" << strerror(errno);
}

int V4l2Controls::extensionQuery(int selector, int query, void *data, int size)
{
    // The kernel takes a byte-sized selector and a 16-bit length; anything else is refused here
    // rather than truncated into a different request.
    if (!data || selector < 0 || selector > 0xFF || size <= 0 || size > 0xFFFF)
        return -EINVAL;
    uvc_xu_control_query request = {};
    request.unit = ExtensionUnit;
    request.selector = __u8(selector);
    request.query = __u8(query);
    request.size = __u16(size);
    request.data = static_cast<__u8 *>(data);
    if (retryingIoctl(fd, UVCIOC_CTRL_QUERY, &request) < 0)
        return -errno;
    return 0;
}
