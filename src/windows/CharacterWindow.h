#pragma once
// The base of the windows that the map's Character and About menus open.

#include <functional>

#include "widgets/GameWindow.h"
#include "widgets/Label.h"
#include "windows/Navigator.h"

namespace mirewalk {

class Dialogs;

// A window shown while the map is hidden. Its BACK label, the close control
// of its frame and Escape all hide it, show the map again and draw the hero
// from the front.
class CharacterWindow : public GameWindow {
public:
    CharacterWindow(Dialogs& dialogs, Navigator& navigator, const char* name,
                    const QString& caption, QSize clientSize);

protected:
    // Makes back the label that leaves the window.
    void leaveBy(Label* back);

    Dialogs& dialogs_;
    Navigator& navigator_;
};

}  // namespace mirewalk
