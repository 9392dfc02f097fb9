#ifndef V4L2CONTROLS_H
#define V4L2CONTROLS_H

#include "CameraControls.h"

#include "DeviceFiles.h"

#include <QString>

#include <functional>
#include <memory>

// Brightness, focus and the vendor's extension unit of a camera, through V4L2 and UVC ioctls on
// its device node. Controls are addressed by id, never by name.
class V4l2Controls : public CameraControls
{
public:
    // The vendor's extension unit is unit 2 of the camera's UVC topology.
    static constexpr int ExtensionUnit = 2;

    using NodeOpener = std::function<int(const QString &node)>;

    // Null when the node cannot be opened for reading and writing.
    static std::unique_ptr<CameraControls> open(const QString &node,
                                                const NodeOpener &openNode = &DeviceFiles::openSystemNode);
    ~V4l2Controls() override;

    bool hasBrightness() override;
    std::optional<int> brightness() override;
    void setBrightness(int value) override;
    QPair<int, int> brightnessRange() override;
    std::optional<int> focus() override;
    void setFocus(int value, bool automatic) override;
    int setExtensionControl(int selector, const void *data, int size) override;
    int getExtensionControl(int selector, void *data, int size) override;
    bool offersOnlyGrey() override;

private:
    explicit V4l2Controls(int fd);
    std::optional<int> value(unsigned id);
    void setValue(unsigned id, int value);
    int extensionQuery(int selector, int query, void *data, int size);

    int fd;
};

#endif
