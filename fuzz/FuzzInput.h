#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include <cstddef>
#include <cstdint>

// Takes the choices of one fuzz run from the front of its input; once the input is used up every
// choice reads as zero, so any input, even an empty one, is a complete run.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : data(data), size(size) {}

    uint8_t byte() { return pos < size ? data[pos++] : 0; }
    bool flag() { return byte() & 1; }
    // A number from low to high, both included.
    int range(int low, int high)
    {
        const unsigned span = unsigned(high - low) + 1;
        const unsigned value = unsigned(byte()) | unsigned(byte()) << 8;
        return low + int(value % span);
    }
    bool empty() const { return pos >= size; }
    // Whatever is left, for the payload of the run.
    const uint8_t *rest() const { return data + pos; }
    size_t restSize() const { return size - pos; }

private:
    const uint8_t *data;
    size_t size;
    size_t pos = 0;
};

#endif
