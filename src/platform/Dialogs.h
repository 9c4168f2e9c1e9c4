#pragma once
// The modal dialogs of the game and the end of the program, behind one small
// interface: the real one shows Qt dialogs, tests use a scripted one.

#include <string>

namespace mirewalk {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The modal name prompt; cancelling it gives empty text.
    virtual std::string prompt(const std::string& question) = 0;
    // A modal message box with an OK button only; returns when it is closed.
    virtual void message(const std::string& text) = 0;
    // Ends the program with the given exit status: every window closes and no
    // further handler runs.
    virtual void quit(int status) = 0;
    // True once quit has been called.
    virtual bool ended() const = 0;
};

}  // namespace mirewalk
