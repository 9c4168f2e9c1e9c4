#pragma once
// One game pad: an event device (or a FIFO standing in for one) read as the
// kernel's input_event records, its state kept frame by frame, and the keys
// its buttons and axes hold.

#include <array>
#include <bitset>
#include <cstddef>
#include <linux/input.h>
#include <memory>
#include <string>
#include <vector>

#include "input/PadKey.h"
#include "input/PadMapping.h"

namespace mirewalk {

class PadDevice {
public:
    // Opens folder/name read-only and without blocking, never grabbed, if it
    // looks like a game pad: an event device with the gamepad's south button,
    // or a FIFO, which stands in for a pad with the convention's ranges.
    // Anything else (a keyboard, a mouse, a plain file) is left alone: null.
    static std::unique_ptr<PadDevice> open(const std::string& folder, const std::string& name);
    // Closes the device.
    ~PadDevice();
    PadDevice(const PadDevice&) = delete;
    PadDevice& operator=(const PadDevice&) = delete;

    int descriptor() const { return descriptor_; }
    // The node's name in its folder, such as event3.
    const std::string& name() const { return name_; }
    // Whether the node is a FIFO standing in for a pad, which a new writer may open again.
    bool isFifo() const { return fifo_; }

    // Reads once what the device has ready and appends the keys its complete
    // frames press and release. False once the device is gone (removed, or
    // the FIFO's writer left); its keys are then still held: see releaseAll.
    bool read(std::vector<PadKeyChange>& changes);
    // Appends a release of every key the device holds, and holds none.
    void releaseAll(std::vector<PadKeyChange>& changes);

private:
    // One axis the bindings read, in doubled units so its middle is whole.
    struct Axis {
        int code = 0;
        bool ignored = false;  // a trigger on a pad that has the button for its key
        long long rest2 = 0;   // twice the value at rest
        long long reach2 = 2;  // twice the travel from rest to the end
        int value = 0;         // as the latest record gave it
        int side = 0;          // -1, 0 or +1: the end it is pushed to, as last committed
    };

    PadDevice(int descriptor, std::string name, bool fifo);
    // Reads the axes' ranges and, on an event device, whether it is a pad.
    bool describe();
    // Takes the device's state as it is now, or at rest where it cannot be asked.
    void readState();
    void take(const input_event& event, std::vector<PadKeyChange>& changes);
    // Ends a frame: the axes' sides and the keys held, with their changes.
    void commit(std::vector<PadKeyChange>& changes);
    // Whether the binding's control holds its key, as last committed.
    bool holds(const PadBinding& binding) const;
    static int sideOf(const Axis& axis);

    int descriptor_;
    std::string name_;
    bool fifo_;
    bool dropping_ = false;  // after SYN_DROPPED, until the next SYN_REPORT
    std::bitset<KEY_CNT> buttons_;
    std::vector<Axis> axes_;                   // the axes the bindings read, in their order
    std::array<signed char, ABS_CNT> axisAt_;  // each axis code's place in axes_, or -1
    std::bitset<PadKeyCount> held_;
    std::array<unsigned char, 64 * sizeof(input_event)> buffer_{};
    std::size_t kept_ = 0;  // bytes of a partial record at the buffer's start
};

}  // namespace mirewalk
