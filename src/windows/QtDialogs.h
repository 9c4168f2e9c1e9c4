#pragma once
// The real dialogs: Qt message boxes and input dialogs titled with the
// program's title, and the end of the program through the event loop.

#include "platform/Dialogs.h"

class QtDialogs : public Dialogs {
public:
    std::string prompt(const std::string& question) override;
    void message(const std::string& text) override;
    void quit(int status) override;
    bool ended() const override { return ended_; }
    int status() const { return status_; }

private:
    bool ended_ = false;
    int status_ = 0;
};

// The program's title, shown on every prompt and message box.
inline constexpr const char* ProgramTitle = "Mirewalk";
