#pragma once
// The credits window and its BACK to the map.

#include "windows/MenuWindow.h"

namespace mirewalk {

class AboutWindow : public MenuWindow {
    Q_OBJECT
public:
    // Builds the window, hidden.
    AboutWindow(Dialogs& dialogs, Navigator& navigator);
};

}  // namespace mirewalk
