#pragma once
// The one table that says which control of a game pad gives which key, for
// pads that follow the Linux gamepad convention (Documentation/input/gamepad.rst).

#include <span>

#include "input/PadKey.h"

namespace mirewalk {

// The kinds of control: a button, or one side of an axis. A stick and a hat
// rest in the middle of their range, a trigger at its low end.
enum class PadControl { Button, Stick, Hat, Trigger };

// One control and the key it gives. A button's code is an EV_KEY code; an
// axis's an EV_ABS code, with side -1 for its low end and +1 for its high end.
struct PadBinding {
    PadControl control;
    int code;
    int side;
    PadKey key;
};

// Every binding of the pads, each control's own row.
std::span<const PadBinding> padBindings();

// The range an axis of the kind takes when the pad cannot say (a FIFO standing
// in for a pad): a stick -32768..32767, a hat -1..1, a trigger 0..255.
struct PadRange {
    int minimum;
    int maximum;
};
PadRange defaultRange(PadControl control);

}  // namespace mirewalk
