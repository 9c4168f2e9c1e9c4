#include "Pictures.h"

#include <QHash>

namespace {

// A picture of folder, decoded the first time it is asked for; every later
// game in the process shares the decoded picture.
QImage decodedOnce(const PictureFolder& folder, const char* name)
{
    static QHash<QByteArray, QImage> decoded;
    const QByteArray path = folder.path(QLatin1String(name));
    if (!decoded.contains(path))
        decoded.insert(path, folder.load(QLatin1String(name)));
    return decoded.value(path);
}

// A hidden picture store: a canvas as big as its picture, holding it.
Canvas store(const QImage& picture)
{
    Canvas canvas(picture.size());
    canvas.setPicture(picture);
    return canvas;
}

}  // namespace

BuiltInPictures loadBuiltInPictures(const PictureFolder& folder)
{
    const auto load = [&folder](const char* name) { return store(decodedOnce(folder, name)); };
    return {decodedOnce(folder, "M1.jpg"),
            load("HD.png"),
            load("HDmask.png"),
            load("LR.png"),
            load("LRmask.png"),
            load("EnemyL.jpg")};
}
