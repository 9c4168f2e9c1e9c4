#pragma once
// Dialogs for tests: answers the name prompt from a script, records every
// message box and the end of the program instead of showing anything.

#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/ProgramExit.h"

namespace mirewalk {

class ScriptedDialogs : public Dialogs, public ProgramExit {
public:
    std::string name = "Hero";                          // the answer to the prompt
    std::vector<std::string> prompts;                   // questions asked
    std::vector<std::string> messages;                  // texts of the message boxes, in order
    int endStatus = -1;                                 // exit status, -1 while running
    std::function<void(const std::string&)> onMessage;  // runs while a box is "open"

    std::string prompt(const std::string& question) override
    {
        prompts.push_back(question);
        return name;
    }
    void message(const std::string& text) override
    {
        messages.push_back(text);
        if (onMessage)
            onMessage(text);
    }
    void quit(int status) override { endStatus = status; }
    bool ended() const override { return endStatus >= 0; }
};

}  // namespace mirewalk
