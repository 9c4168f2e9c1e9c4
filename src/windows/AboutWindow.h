#pragma once
// The credits window and its BACK to the map.

#include "windows/MenuWindow.h"

namespace mirewalk {

class AboutWindow : public MenuWindow {
    Q_OBJECT
public:
    // Builds the window, hidden.
    AboutWindow(Services& services, Navigator& navigator);
};

}  // namespace mirewalk
