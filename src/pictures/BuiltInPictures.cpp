#include "BuiltInPictures.h"

#include <QFile>

#include "pictures/PictureFolder.h"

namespace mirewalk {

namespace {

// A picture built into the program, decoded as a file's picture is, in the
// format the blits work in, so that no step converts a sprite again.
QImage builtIn(const char* name)
{
    QFile resource(QStringLiteral(":/pictures/") + QLatin1String(name));
    if (!resource.open(QIODevice::ReadOnly))
        throw fileNotFoundError(resource.fileName().toStdString());
    return decodePicture(resource, resource.fileName().toStdString())
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

const BuiltInPictures& loadBuiltInPictures()
{
    static const BuiltInPictures pictures{builtIn("M1.jpg"),     builtIn("HD.png"),
                                          builtIn("HDmask.png"), builtIn("LR.png"),
                                          builtIn("LRmask.png"), builtIn("EnemyL.jpg")};
    return pictures;
}

}  // namespace mirewalk
