#include "CharacterWindow.h"

#include "windows/frmGame.h"

CharacterWindow::CharacterWindow(frmGame& main, const char* name, const QString& caption,
                                 QSize clientSize)
    : GameWindow(name, caption, clientSize),
      main_(main)
{
}

void CharacterWindow::leaveBy(Label* back)
{
    const auto leave = [this] { handle([this] { main_.returnToMap(*this); }); };
    connect(back, &Label::clicked, this, leave);
    connect(this, &GameWindow::frameClosed, this, leave);
}

void CharacterWindow::handle(const std::function<void()>& handler)
{
    runCommand(*this, main_.services().dialogs, handler);
}
