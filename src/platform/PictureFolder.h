#pragma once
// Loading the game's picture files from the folder that holds the program.

#include <QImage>
#include <QString>

class PictureFolder {
public:
    // Pictures are looked up under folder; by default the program's own folder.
    explicit PictureFolder(QString folder);

    // The full path of a picture given relative to the folder, e.g. "Maps/M2.jpg".
    QString path(const QString& relative) const;

    // Loads the picture; a missing file is run-time error 53 (file not found),
    // a file that is no readable picture is run-time error 481, both naming
    // the full path.
    QImage load(const QString& relative) const;

private:
    QString folder_;
};

// The pictures built into the program (the first map, the hero's sprites and
// the picture of one monster kind), read like the files beside it.
const PictureFolder& builtInPictures();
