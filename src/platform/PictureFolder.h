#pragma once
// Loading the game's picture files from the folder that holds the program.

#include <QImage>
#include <QString>

// The widest and tallest picture the game reads, in pixels. A map is
// 326 x 273 and a monster's picture fits in 81 x 81. The size is read from
// the picture's header: a larger one, or one whose header does not say its
// size, is refused before it is decoded (at 32 bits a pixel, 4 MB at most).
inline constexpr int MaxPictureSide = 1024;

class PictureFolder {
public:
    // Pictures are looked up under folder; by default the program's own folder.
    explicit PictureFolder(QString folder);

    // The full path of a picture given relative to the folder, e.g. "Maps/M2.jpg".
    QString path(const QString& relative) const;

    // Loads the picture. Each failure is a run-time error naming the full
    // path: a file that is not there is 53 (file not found); one that is there
    // but may not be looked at or read is 75, with the system's reason; 481
    // (invalid picture) is a file that is not a regular one (a folder, pipe,
    // device or socket, never opened), that is no readable picture, or whose
    // header gives no size or one beyond MaxPictureSide.
    QImage load(const QString& relative) const;

private:
    QString folder_;
};

// The pictures built into the program (the first map, the hero's sprites and
// the picture of one monster kind), read like the files beside it.
const PictureFolder& builtInPictures();
