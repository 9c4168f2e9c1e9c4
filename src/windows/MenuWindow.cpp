#include "MenuWindow.h"

#include "widgets/Label.h"
#include "windows/Guard.h"
#include "windows/Navigator.h"

namespace mirewalk {

MenuWindow::MenuWindow(Dialogs& dialogs, Navigator& navigator, const char* name,
                       const QString& caption, QSize clientSize)
    : GameWindow(name, caption, clientSize),
      dialogs_(dialogs),
      navigator_(navigator)
{
}

void MenuWindow::leaveBy(Label* back)
{
    const auto leave = [this] {
        guardedWhileShown(*this, dialogs_, [this] { navigator_.returnToMap(*this); });
    };
    connect(back, &Label::clicked, this, leave);
    back->describeKey(Qt::Key_Escape);  // the window takes Escape as closing it
    connect(this, &GameWindow::frameClosed, this, leave);
}

}  // namespace mirewalk
