#pragma once
// The one guard at the edge of every event handler.

#include <functional>
#include <string>

#include <Qt>

class QWidget;

namespace mirewalk {

class Dialogs;
class Label;
class ProgramExit;

// Runs handler. A run-time error is reported in a message box of dialogs
// naming what failed and ends the program through exit with status 1; an
// orderly end ends it with its own status. Running out of memory ends it with status 1 and the line of
// outOfMemory() on standard error, with no box, which would need memory too.
// Once the program has ended no further handler runs.
void guarded(Dialogs& dialogs, ProgramExit& exit, const std::function<void()>& handler);

// The one line that says the game ran out of memory, naming the limit set on
// its address space (ulimit -v), if there is one.
std::string outOfMemory();
// The limit set on the game's address space, as the lines name it, for
// example "the game may use no more than 80 MB (ulimit -v)"; empty if none.
std::string memoryLimit();

// Runs a command of a window (a click, a key, a menu entry) behind the guard
// for run-time errors, but only while the window is shown: an event that
// reaches a hidden window, sent before it hid or by code, does nothing, since
// the player cannot have given it.
void guardedWhileShown(const QWidget& window, Dialogs& dialogs, ProgramExit& exit,
                       const std::function<void()>& command);

// Makes a label a command: a click on it, or key (unless Qt::Key_unknown)
// while it shows, runs command through guardedWhileShown, while the label
// shows. An empty command does nothing (DEFEND, ITEM).
void addCommand(Label& label, Qt::Key key, Dialogs& dialogs, ProgramExit& exit,
                std::function<void()> command);

}  // namespace mirewalk
