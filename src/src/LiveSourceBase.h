#ifndef LIVESOURCEBASE_H
#define LIVESOURCEBASE_H

#include <QObject>
#include <QPair>

#include <optional>

// The platform-neutral face of the document camera. The platform camera supplies the open state,
// the extension-unit access and the three brightness primitives; the commands built on them live
// here and do nothing until the camera is open.
class LiveSourceBase : public QObject
{
    Q_OBJECT

public:
    explicit LiveSourceBase(QObject *parent = nullptr);

    virtual bool isOpen() const = 0;
    virtual int setExtensionControl(int selector, const void *data, int size) = 0;
    virtual int getExtensionControl(int selector, void *data, int size) = 0;

    void brightnessDown();
    void brightnessUp();
    int brightnessLevel();
    int brightnessMinLevel();
    int brightnessMaxLevel();
    void setMacro(bool on);

    // One brightness step in the camera's own units; the display's scale counts in steps.
    static constexpr int BrightnessStep = 20;

protected:
    // Empty when the camera did not answer: a step then sends nothing.
    virtual std::optional<int> brightness() = 0;
    virtual void setBrightness(int value) = 0;
    virtual QPair<int, int> brightnessRange() = 0;

private:
    void stepBrightness(int step);
};

#endif
