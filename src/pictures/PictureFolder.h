#pragma once
// Loading the game's picture files from the folder that holds the program.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

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
    // into the program.
    explicit PictureFolder(QByteArray folder, Reading reading = Reading::EveryLoad);
    explicit PictureFolder(const QString& folder, Reading reading = Reading::EveryLoad);

    // The full path of a picture given relative to the folder, e.g. "Maps/M2.jpg".
    QByteArray path(const QString& relative) const;

    // Loads the picture. Each failure is a run-time error naming the full
    // path (bytes that are not UTF-8 shown as replacement characters): a file
    // that is not there is 53 (file not found); one that is there but may not
    // be looked at or read is 75, with the system's reason; 481 (invalid
    // picture) is a file that is not a regular one (a folder, pipe, device or
    // socket, never opened), that is no readable picture, or whose header
    // gives no size or one beyond MaxPictureSide.
    QImage load(const QString& relative) const;

private:
    QImage read(const QByteArray& fullPath) const;

    QByteArray folder_;
    Reading reading_;
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
