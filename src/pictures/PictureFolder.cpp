#include "PictureFolder.h"

#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/RuntimeError.h"

namespace mirewalk {

PictureFolder::PictureFolder(QByteArray folder, Reading reading)
    : folder_(std::move(folder)),
      reading_(reading)
{
}

PictureFolder::PictureFolder(const QString& folder, Reading reading)
    : PictureFolder(QFile::encodeName(folder), reading)
{
}

QByteArray PictureFolder::path(const QString& relative) const
{
    return folder_ + '/' + QFile::encodeName(relative);
}

QImage PictureFolder::load(const QString& relative) const
{
    const QByteArray fullPath = path(relative);
    if (reading_ == Reading::EveryLoad)
        return read(fullPath);
    if (!kept_.contains(fullPath))
        kept_.insert(fullPath, read(fullPath));
    return kept_.value(fullPath);
}

QImage PictureFolder::read(const QByteArray& fullPath) const
{
    const std::string name = QFile::decodeName(fullPath).toStdString();
    QFile device;
    if (fullPath.startsWith(":/")) {
        device.setFileName(QString::fromUtf8(fullPath));
        if (!device.open(QIODevice::ReadOnly))
            throw fileNotFoundError(name);
    } else {
        // Not there, or a folder on its way may not be looked into: the system says which.
        struct stat status {};
        if (::stat(fullPath.constData(), &status) != 0) {
            if (errno == ENOENT || errno == ENOTDIR)
                throw fileNotFoundError(name);
            throw fileAccessError(name, std::strerror(errno));
        }
        if (!S_ISREG(status.st_mode))  // opening a pipe or a device could wait for ever
            throw invalidPictureError(name);
        const int file = ::open(fullPath.constData(), O_RDONLY | O_CLOEXEC);
        if (file < 0)
            throw fileAccessError(name, std::strerror(errno));
        device.open(file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    }
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

QByteArray programFolder()
{
    const char* link = "/proc/self/exe";
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink(link, error).parent_path();
    if (error || folder.empty())  // no path is ever built from an empty folder
        throw programFolderError(link, error ? error.message() : "it names no folder");
    return QByteArray::fromStdString(folder.native());
}

}  // namespace mirewalk
