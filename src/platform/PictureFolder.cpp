#include "PictureFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "RuntimeError.h"

PictureFolder::PictureFolder(QString folder) : folder_(std::move(folder)) {}

QString PictureFolder::path(const QString& relative) const
{
    return folder_ + QLatin1Char('/') + relative;
}

QImage PictureFolder::load(const QString& relative) const
{
    const QString fullPath = path(relative);
    const std::string name = fullPath.toStdString();
    const QFileInfo file(fullPath);
    if (!file.exists()) {
        // Not there, or a folder on its way may not be looked into: the system says which.
        struct stat status {};
        const int reason = ::stat(QFile::encodeName(fullPath).constData(), &status) == 0 ? 0 : errno;
        if (reason == 0 || reason == ENOENT || reason == ENOTDIR)
            throw fileNotFoundError(name);
        throw fileAccessError(name, std::strerror(reason));
    }
    if (!file.isFile())  // opening a pipe or a device could wait for ever
        throw invalidPictureError(name);
    QFile device(fullPath);
    if (!device.open(QIODevice::ReadOnly))
        throw fileAccessError(name, device.errorString().toStdString());
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    // Every format the game reads states its size in its header: a picture
    // without one, or larger than the limit, is refused before it is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        throw invalidPictureError(name);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw invalidPictureError(name);
    return picture;
}

const PictureFolder& builtInPictures()
{
    static const PictureFolder folder(QStringLiteral(":/pictures"));
    return folder;
}
