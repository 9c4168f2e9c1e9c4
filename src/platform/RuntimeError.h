#pragma once
// Run-time errors and the orderly end of the program. Both are exceptions that
// unwind to the one guard at the edge of every event handler (Guard.h).

#include <stdexcept>
#include <string>

namespace mirewalk {

// A run-time error: its number, its text and, for a picture file, the file's
// path and, when the system refused it, the system's reason.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& text, const std::string& path = {},
                 const std::string& reason = {});

    int number() const { return number_; }
    // The report shown to the player, e.g. "Run-time error '53':\n\nFile not found: /x/Maps/M2.jpg",
    // or "Run-time error '75':\n\nPath/File access error: /x/Maps/M2.jpg (Permission denied)".
    std::string report() const;

private:
    int number_;
    std::string text_;
    std::string path_;
    std::string reason_;
};

RuntimeError overflowError();                             // 6
RuntimeError subscriptError();                            // 9
RuntimeError fileNotFoundError(const std::string& path);  // 53: the file is not there
// 75: the file is there but the system refuses to let it be looked at or read
// (no permission on it or on a folder on its way), for the given reason.
RuntimeError fileAccessError(const std::string& path, const std::string& reason);
// 75 as well: the system cannot say which folder holds the program, by link
// (the system's link to the program's file), for the given reason.
RuntimeError programFolderError(const std::string& link, const std::string& reason);
// 76: a folder the game needs is not there.
RuntimeError pathNotFoundError(const std::string& path);
RuntimeError invalidPictureError(const std::string& path);  // 481: not a picture the game reads

// The orderly end of the program (Exit Game, the hero's death): nothing further runs.
struct ProgramEnd {
    int status = 0;
};

// Ends the program at once with the given exit status.
[[noreturn]] inline void endProgram(int status = 0) { throw ProgramEnd{status}; }

}  // namespace mirewalk
