#include "V4l2Controls.h"

#include <QDebug>

#include <algorithm>
#include <cerrno>
#include <iterator>
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

std::unique_ptr<CameraControls> V4l2Controls::open(const QString &node, const NodeOpener &openNode)
{
    if (node.isEmpty() || !openNode)
        return nullptr;
    const int fd = openNode(node);
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

std::optional<int> V4l2Controls::brightness()
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
    if (retryingIoctl(fd, VIDIOC_QUERYCTRL, &query) < 0 || (query.flags & V4L2_CTRL_FLAG_DISABLED))
        return {0, 0};
    return {query.minimum, query.maximum};
}

std::optional<int> V4l2Controls::focus()
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

bool V4l2Controls::offersOnlyGrey()
{
    static const quint32 greyFormats[] = {
        V4L2_PIX_FMT_GREY, V4L2_PIX_FMT_Y4,      V4L2_PIX_FMT_Y6,   V4L2_PIX_FMT_Y10,
        V4L2_PIX_FMT_Y12,  V4L2_PIX_FMT_Y14,     V4L2_PIX_FMT_Y16,  V4L2_PIX_FMT_Y16_BE,
        V4L2_PIX_FMT_Y10BPACK, V4L2_PIX_FMT_Y10P, V4L2_PIX_FMT_Y8I, V4L2_PIX_FMT_Y12I,
        V4L2_PIX_FMT_Z16,  V4L2_PIX_FMT_INZI,
    };
    // A node that lists no formats at all is given the benefit of the doubt.
    bool anyFormat = false;
    v4l2_fmtdesc format = {};
    format.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    for (format.index = 0; retryingIoctl(fd, VIDIOC_ENUM_FMT, &format) == 0; ++format.index) {
        anyFormat = true;
        if (std::find(std::begin(greyFormats), std::end(greyFormats), format.pixelformat)
            == std::end(greyFormats))
            return false;
    }
    return anyFormat;
}

std::optional<int> V4l2Controls::value(unsigned id)
{
    v4l2_control control = {};
    control.id = id;
    if (retryingIoctl(fd, VIDIOC_G_CTRL, &control) < 0) {
        qDebug() << "Camera control" << Qt::hex << id << "not read:" << strerror(errno);
        return std::nullopt;
    }
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
