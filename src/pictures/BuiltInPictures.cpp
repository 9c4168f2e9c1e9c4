#include "BuiltInPictures.h"

#include <QFile>

#include "pictures/PictureFolder.h"

namespace mirewalk {

namespace {

// A picture built into the program, decoded as a file's picture is.
QImage builtIn(const char* name)
{
    QFile resource(QStringLiteral(":/pictures/") + QLatin1String(name));
    if (!resource.open(QIODevice::ReadOnly))
        throw fileNotFoundError(resource.fileName().toStdString());
    return decodePicture(resource, resource.fileName().toStdString());
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
