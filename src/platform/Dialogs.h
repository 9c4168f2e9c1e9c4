#pragma once
// The modal dialogs of the game, prompting and telling, behind one small
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
};

}  // namespace mirewalk
