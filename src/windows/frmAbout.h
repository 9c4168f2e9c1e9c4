#pragma once
// The credits window and its BACK to the map.

#include "windows/CharacterWindow.h"

namespace mirewalk {

class frmAbout : public CharacterWindow {
public:
    // Builds the window, hidden.
    frmAbout(Dialogs& dialogs, Navigator& navigator);

    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    Label* Label6;
    Label* Label7;
    Label* lblBack;
};

}  // namespace mirewalk
