#pragma once
// The base of the windows the map's Character and About menus open.

#include "widgets/GameWindow.h"

namespace mirewalk {

class Dialogs;
class Label;
class Navigator;

// A window shown while the map is hidden. Its BACK label, the close control
// of its frame and Escape all hide it and return to the map.
class MenuWindow : public GameWindow {
    Q_OBJECT
public:
    MenuWindow(Dialogs& dialogs, Navigator& navigator, const char* name, const QString& caption,
               QSize clientSize);

protected:
    // Makes back the label that leaves the window.
    void leaveBy(Label* back);

private:
    Dialogs& dialogs_;
    Navigator& navigator_;
};

}  // namespace mirewalk
