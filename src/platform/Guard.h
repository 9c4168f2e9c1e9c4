#pragma once
// The one guard at the edge of every event handler.

#include <functional>

class Dialogs;

// Runs handler. A run-time error is reported in a message box naming what
// failed and ends the program with status 1; an orderly end ends it with its
// own status. Once the program has ended no further handler runs.
void guarded(Dialogs& dialogs, const std::function<void()>& handler);
