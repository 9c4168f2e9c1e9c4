#pragma once
// Loading the game's picture files from the folder that holds the program.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <initializer_list>

#include "platform/RuntimeError.h"

namespace mirewalk {

// The widest and tallest picture the game reads, in pixels. A map is
// 326 x 273 and a monster's picture fits in 81 x 81. The size is read from
// the picture's header: a larger one, or one whose header does not say its
// size, is refused before it is decoded (at 32 bits a pixel, 4 MB at most).
inline constexpr int MaxPictureSide = 1024;

class PictureFolder {
public:
    // How a folder's pictures are read: afresh at every load (the files
    // beside the program, which may change or go while the game runs), or
    // decoded at the first load and kept by the folder (the pictures built
    // into the program, which cannot change).
    enum class Reading { EveryLoad, Once };

    // Pictures are looked up under folder, named by the file system's own
    // bytes, which need not be UTF-8; a folder starting with ":/" is built
    // into the program. The folder is opened here and read through for the
    // whole game, so renaming it or unmounting its path later changes nothing.
    explicit PictureFolder(QByteArray folder, Reading reading = Reading::EveryLoad);
    explicit PictureFolder(const QString& folder, Reading reading = Reading::EveryLoad);
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    // Requires the folder to hold each of the subfolders: one that is not
    // there is run-time error 76 (path not found) naming it; one that may
    // not be looked at is 75, with the system's reason.
    void requireSubfolders(std::initializer_list<const char*> names) const;

    // The full path of a picture given relative to the folder, e.g. "Maps/M2.jpg".
    QByteArray path(const QString& relative) const;

    // Loads the picture. Each failure is a run-time error naming the full
    // path (bytes that are not UTF-8 shown as replacement characters): a file
    // that is not there is 53 (file not found); one that is there but may not
    // be looked at or read is 75, with the system's reason; 481 (invalid
    // picture) is a file that is not a regular one (a folder, pipe, device or
    // socket, never opened), larger than 16 MB, that is no readable picture,
    // whose header gives no size or one beyond MaxPictureSide, or that is cut
    // short or built wrong (wholePicture), whatever Qt's logging is set to.
    QImage load(const QString& relative) const;

private:
    QImage read(const QByteArray& relative) const;
    // The error of a file or folder under the folder that cannot be looked
    // at, from the system's errno: 53 (or 76 for a folder) when it is not
    // there, else 75.
    RuntimeError lookError(const QByteArray& relative, int error, bool folder) const;

    QByteArray folder_;
    Reading reading_;
    int descriptor_ = -1;  // the folder opened, or -1 (then openError_ says why)
    int openError_ = 0;
    mutable QHash<QByteArray, QImage> kept_;  // by full path, when read once
};

// The folder that holds the running program, as the file system names it,
// read from the system's link to the program's file, /proc/self/exe. Where
// the link cannot be read it is run-time error 75 naming the link, with the
// system's reason: the game then has no folder to read pictures from.
QByteArray programFolder();

// Where the pictures built into the program are: the first map, the hero's
// sprites and the picture of one monster kind.
inline constexpr const char* BuiltInFolder = ":/pictures";

}  // namespace mirewalk
