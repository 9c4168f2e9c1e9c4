#pragma once
// The real dialogs: Qt message boxes and input dialogs titled with the
// program's title, modal, over the game window once it is given.

#include <QPointer>

#include "platform/Dialogs.h"

class QDialog;
class QInputDialog;
class QMessageBox;
class QWidget;

namespace mirewalk {

class Zoom;

// Where the boxes that belong to the game window show.
enum class BoxPlace {
    // In windows of their own, which the game centres over the game window:
    // on X11, where a program places its windows.
    OwnWindow,
    // Inside the game window, over the screen shown, which takes no input
    // while one is open: on Wayland, where the desktop places every new
    // window, and none that players use puts a box over its window. A box
    // too large for the game window shows in a window of its own.
    InsideWindow,
};

// Where boxes show on the desktop the game runs on.
BoxPlace boxPlaceOnThisDesktop();

class QtDialogs : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;
    // From now on every box and prompt belongs to window and opens centred
    // over it, shown at place. Before, they open where the desktop puts them.
    void setWindow(QWidget& window, BoxPlace place = BoxPlace::OwnWindow);
    // The prompt takes the zoom keys of zoom.
    void setZoom(Zoom& zoom) { zoom_ = &zoom; }
    std::string prompt(const std::string& question) override;
    void message(const std::string& text) override;

private:
    // Shows dialog until it is answered, where boxes show.
    int answer(QDialog& dialog);

    QPointer<QWidget> window_;  // the game window, once given
    BoxPlace place_ = BoxPlace::OwnWindow;
    Zoom* zoom_ = nullptr;           // the keys of the zoom, once given
    QPointer<QMessageBox> box_;      // the message box, shown again for many messages
    int messages_ = 0;               // the messages it showed
    QPointer<QInputDialog> prompt_;  // the last prompt, kept once answered
};

// The longest name the prompt takes, in characters as its text box counts them
// (UTF-16 code units); a text box's default, 32,767, would cut longer names
// short. The game holds any name, and its stats window shows it whole in a
// label as wide as the name: letters of the game's face are at most 24 pixels
// wide, so 100,000 of them stay well within the widest a widget can be
// (16,777,215 pixels).
inline constexpr int MaxNameLength = 100000;

// The program's title, shown on every prompt and message box.
inline constexpr const char* ProgramTitle = "Mirewalk";

}  // namespace mirewalk
