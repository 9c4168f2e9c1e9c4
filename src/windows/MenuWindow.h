#pragma once
// The base of the windows the map's Character and About menus open.

#include "widgets/Screen.h"

namespace mirewalk {

class Dialogs;
class Label;
class Navigator;
class ProgramExit;
struct Services;

// A window shown in the game window in place of the map, at a fixed size.
// Its BACK label, closing the game window through its frame and Escape all
// return to the map.
class MenuWindow : public Screen {
    Q_OBJECT
public:
    MenuWindow(Services& services, Navigator& navigator, const char* name, const QString& caption,
               QSize clientSize);

protected:
    // Makes back the label that leaves the window.
    void leaveBy(Label* back);

private:
    Dialogs& dialogs_;
    ProgramExit& exit_;
    Navigator& navigator_;
};

}  // namespace mirewalk
