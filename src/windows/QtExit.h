#pragma once
// The real end of the program: every window hidden and the event loop left
// with the status.

#include "platform/ProgramExit.h"

namespace mirewalk {

class QtExit : public ProgramExit {
public:
    void quit(int status) override;
    bool ended() const override { return ended_; }
    // The status quit was given.
    int status() const { return status_; }

private:
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace mirewalk
