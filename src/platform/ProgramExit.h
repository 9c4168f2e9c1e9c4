#pragma once
// The end of the program, behind one small interface: the real one leaves
// the window system's event loop, tests record it.

namespace mirewalk {

class ProgramExit {
public:
    virtual ~ProgramExit() = default;

    // Ends the program with the given exit status: every window closes and
    // no further handler runs.
    virtual void quit(int status) = 0;
    // True once quit has been called.
    virtual bool ended() const = 0;
};

}  // namespace mirewalk
