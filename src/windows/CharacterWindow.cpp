#include "CharacterWindow.h"

#include "windows/Guard.h"

namespace mirewalk {

CharacterWindow::CharacterWindow(Dialogs& dialogs, Navigator& navigator, const char* name,
                                 const QString& caption, QSize clientSize)
    : GameWindow(name, caption, clientSize),
      dialogs_(dialogs),
      navigator_(navigator)
{
}

void CharacterWindow::leaveBy(Label* back)
{
    const auto leave = [this] {
        guardedWhileShown(*this, dialogs_, [this] { navigator_.returnToMap(*this); });
    };
    connect(back, &Label::clicked, this, leave);
    back->describeKey(Qt::Key_Escape);  // the window takes Escape as closing it
    connect(this, &GameWindow::frameClosed, this, leave);
}

}  // namespace mirewalk
