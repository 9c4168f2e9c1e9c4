#pragma once
// Run-time errors and the orderly end of the program. Both are exceptions that
// unwind to the one guard at the edge of every event handler (Guard.h).

#include <stdexcept>
#include <string>

// A run-time error: its number, its text and, for a picture file, the file's path.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& text, const std::string& path = {});

    int number() const { return number_; }
    const std::string& text() const { return text_; }
    const std::string& path() const { return path_; }
    // The report shown to the player, e.g. "Run-time error '53':\n\nFile not found: /x/Maps/M2.jpg".
    std::string report() const;

private:
    int number_;
    std::string text_;
    std::string path_;
};

RuntimeError overflowError();                               // 6
RuntimeError subscriptError();                              // 9
RuntimeError fileNotFoundError(const std::string& path);    // 53
RuntimeError invalidPictureError(const std::string& path);  // 481

// The orderly end of the program (Exit Game, the hero's death): nothing further runs.
struct ProgramEnd {
    int status = 0;
};

// Ends the program at once with the given exit status.
[[noreturn]] inline void endProgram(int status = 0) { throw ProgramEnd{status}; }
