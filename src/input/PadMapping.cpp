#include "PadMapping.h"

#include <array>
#include <linux/input-event-codes.h>

namespace mirewalk {

namespace {

using enum PadControl;

// Pad to keyboard. The D-pad comes as buttons on some drivers and as the first
// hat on others; the left stick walks as the D-pad does. The lower triggers
// are buttons on most pads and axes (ABS_Z, ABS_RZ) on Xbox-style ones.
constexpr std::array Bindings{
    PadBinding{Button, BTN_DPAD_UP, 0, PadKey::Up},
    PadBinding{Button, BTN_DPAD_DOWN, 0, PadKey::Down},
    PadBinding{Button, BTN_DPAD_LEFT, 0, PadKey::Left},
    PadBinding{Button, BTN_DPAD_RIGHT, 0, PadKey::Right},
    PadBinding{Hat, ABS_HAT0Y, -1, PadKey::Up},
    PadBinding{Hat, ABS_HAT0Y, +1, PadKey::Down},
    PadBinding{Hat, ABS_HAT0X, -1, PadKey::Left},
    PadBinding{Hat, ABS_HAT0X, +1, PadKey::Right},
    PadBinding{Stick, ABS_Y, -1, PadKey::Up},
    PadBinding{Stick, ABS_Y, +1, PadKey::Down},
    PadBinding{Stick, ABS_X, -1, PadKey::Left},
    PadBinding{Stick, ABS_X, +1, PadKey::Right},
    PadBinding{Button, BTN_SOUTH, 0, PadKey::Return},
    PadBinding{Button, BTN_EAST, 0, PadKey::Escape},
    PadBinding{Button, BTN_WEST, 0, PadKey::C},
    PadBinding{Button, BTN_NORTH, 0, PadKey::L},
    PadBinding{Button, BTN_TL2, 0, PadKey::D},
    PadBinding{Trigger, ABS_Z, +1, PadKey::D},
    PadBinding{Button, BTN_TR2, 0, PadKey::I},
    PadBinding{Trigger, ABS_RZ, +1, PadKey::I},
    PadBinding{Button, BTN_TL, 0, PadKey::ShiftTab},
    PadBinding{Button, BTN_TR, 0, PadKey::Tab},
    PadBinding{Button, BTN_SELECT, 0, PadKey::A},
    PadBinding{Button, BTN_START, 0, PadKey::AltG},
    PadBinding{Button, BTN_MODE, 0, PadKey::F11},
    PadBinding{Button, BTN_THUMBL, 0, PadKey::CtrlMinus},
    PadBinding{Button, BTN_THUMBR, 0, PadKey::CtrlPlus},
};

}  // namespace

// The table above, for the pads to read.
std::span<const PadBinding> padBindings() { return Bindings; }

// The convention's usual ranges, for a pad that cannot be asked.
PadRange defaultRange(PadControl control)
{
    switch (control) {
    case Stick: return {-32768, 32767};
    case Hat: return {-1, 1};
    case Trigger: return {0, 255};
    case Button: break;
    }
    return {0, 1};
}

}  // namespace mirewalk
