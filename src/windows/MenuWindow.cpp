#include "MenuWindow.h"

#include "widgets/Label.h"
#include "widgets/Zoomed.h"
#include "windows/Guard.h"
#include "windows/Navigator.h"
#include "windows/Services.h"

namespace mirewalk {

MenuWindow::MenuWindow(Services& services, Navigator& navigator, const char* name,
                       const QString& caption, QSize clientSize)
    : Screen(name, caption),
      dialogs_(services.dialogs),
      exit_(services.exit),
      navigator_(navigator)
{
    fixSize(this, clientSize);
    closeOnEscape();
}

void MenuWindow::leaveBy(Label* back)
{
    addCommand(*back, Qt::Key_unknown, dialogs_, exit_, [this] { navigator_.returnToMap(); });
    back->describeKey(Qt::Key_Escape);  // the screen takes Escape as closing it
    connect(this, &Screen::frameClosed, this, [this] {
        guardedWhileShown(*this, dialogs_, exit_, [this] { navigator_.returnToMap(); });
    });
}

}  // namespace mirewalk
