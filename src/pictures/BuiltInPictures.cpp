#include "BuiltInPictures.h"

namespace mirewalk {

namespace {

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
    const auto load = [&folder](const char* name) { return store(folder.load(QLatin1String(name))); };
    return {folder.load(QStringLiteral("M1.jpg")),
            load("HD.png"),
            load("HDmask.png"),
            load("LR.png"),
            load("LRmask.png"),
            load("EnemyL.jpg")};
}

}  // namespace mirewalk
