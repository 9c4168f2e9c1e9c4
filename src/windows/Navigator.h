#pragma once
// Moving between the map and the other windows: what the battle, inventory,

class QWidget;

namespace mirewalk {

// stats and credits windows need of the main window.

class Navigator {
public:
    virtual ~Navigator() = default;
    // Opens window in place of the map: the map hidden, window shown, not
    // modally, with the keyboard focus.
    virtual void open(QWidget& window) = 0;
    // Leaves window: it hides, the map shows again with the keyboard focus
    // where it was, and the hero is drawn from the front.
    virtual void returnToMap(QWidget& window) = 0;
};

}  // namespace mirewalk
