#include "RuntimeError.h"

namespace mirewalk {

RuntimeError::RuntimeError(int number, const std::string& text, const std::string& path,
                           const std::string& reason)
    : std::runtime_error(text),
      number_(number),
      text_(text),
      path_(path),
      reason_(reason)
{
}

std::string RuntimeError::report() const
{
    std::string report = "Run-time error '" + std::to_string(number_) + "':\n\n" + text_;
    if (!path_.empty())
        report += ": " + path_;
    if (!reason_.empty())
        report += " (" + reason_ + ")";
    return report;
}

RuntimeError overflowError() { return {6, "Overflow"}; }
RuntimeError subscriptError() { return {9, "Subscript out of range"}; }
RuntimeError fileNotFoundError(const std::string& path) { return {53, "File not found", path}; }
RuntimeError fileAccessError(const std::string& path, const std::string& reason)
{
    return {75, "Path/File access error", path, reason};
}
RuntimeError programFolderError(const std::string& link, const std::string& reason)
{
    return {75, "Path/File access error: the program's folder cannot be found from the link", link,
            reason};
}
RuntimeError pathNotFoundError(const std::string& path) { return {76, "Path not found", path}; }
RuntimeError invalidPictureError(const std::string& path) { return {481, "Invalid picture", path}; }

}  // namespace mirewalk
