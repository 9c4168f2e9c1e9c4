#pragma once
// Loading the game's picture files from the folder that holds the program.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <initializer_list>
#include <string>

class QIODevice;

#include "platform/RuntimeError.h"

namespace mirewalk {

// The widest and tallest picture the game reads, in pixels. A map is
// 326 x 273 and a monster's picture fits in 81 x 81. The size is read from
// the picture's header: a larger one, or one whose header does not say its
// size, is refused before it is decoded (at 32 bits a pixel, 4 MB at most).
inline constexpr int MaxPictureSide = 1024;

// A folder of picture files, read afresh at every load: the files beside the
// program may change or go while the game runs.
class PictureFolder {
public:
    // Pictures are looked up under folder, named by the file system's own
    // bytes, which need not be UTF-8. The folder is opened here and read
    // through for the whole game, so renaming it or unmounting its path later
    // changes nothing.
    explicit PictureFolder(QByteArray folder);
    explicit PictureFolder(const QString& folder);
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    // Requires the folder to hold each of the subfolders: one that is not
    // there is run-time error 76 (path not found) naming it; one that may
    // not be looked at is 75, with the system's reason.
    void requireSubfolders(std::initializer_list<const char*> names) const;

    // Loads the picture. Each failure is a run-time error naming the full
    // path (bytes that are not UTF-8 shown as replacement characters): a file
    // that is not there is 53 (file not found); one that is there but may not
    // be looked at or read is 75, with the system's reason; 481 (invalid
    // picture) is a file that is not a regular one (a folder, pipe, device or
    // socket, never opened), or one decodePicture refuses.
    QImage load(const QString& relative) const;

private:
    // The full path of a file or folder given relative to the folder, as the
    // errors name it.
    std::string nameOf(const QByteArray& relative) const;
    // The error of a file or folder under the folder that cannot be looked
    // at, from the system's errno: 53 (or 76 for a folder) when it is not
    // there, else 75.
    RuntimeError lookError(const QByteArray& relative, int error, bool folder) const;

    QByteArray folder_;
    int descriptor_ = -1;  // the folder opened, or -1 (then openError_ says why)
    int openError_ = 0;
};

// The picture a file read from device holds, named name in the errors: 481
// (invalid picture) for a file larger than 16 MB, that is no readable
// picture, whose header gives no size or one beyond MaxPictureSide, or that
// is cut short or built wrong (wholePicture), whatever Qt's logging is set to.
QImage decodePicture(QIODevice& device, const std::string& name);

// The folder that holds the running program, as the file system names it,
// read from the system's link to the program's file, /proc/self/exe. Where
// the link cannot be read it is run-time error 75 naming the link, with the
// system's reason: the game then has no folder to read pictures from.
QByteArray programFolder();

}  // namespace mirewalk
