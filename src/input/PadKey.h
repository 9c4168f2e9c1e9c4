#pragma once
// The keys a game pad gives: each stands for a key of the keyboard (or a key
// with its modifiers), which the Qt side turns into that key.

namespace mirewalk {

enum class PadKey {
    Up,
    Down,
    Left,
    Right,
    Return,
    Escape,
    C,
    L,
    D,
    I,
    A,
    Tab,
    ShiftTab,
    AltG,
    F11,
    CtrlMinus,
    CtrlPlus,
};
inline constexpr int PadKeyCount = static_cast<int>(PadKey::CtrlPlus) + 1;

// One key pressed (down) or released by the pads.
struct PadKeyChange {
    PadKey key;
    bool down;
};

}  // namespace mirewalk
