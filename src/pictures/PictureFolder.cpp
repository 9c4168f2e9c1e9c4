#include "PictureFolder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "pictures/PictureStructure.h"
#include "platform/RuntimeError.h"

namespace mirewalk {

namespace {

// The largest picture file the game reads: a picture of MaxPictureSide
// square takes a few megabytes at most.
constexpr qint64 MaxPictureBytes = 16 * 1024 * 1024;

// Keeps the image decoders quiet while a picture is decoded: what they would
// say of a damaged picture is no message for the player, and a warning made
// fatal by QT_FATAL_WARNINGS must not end the game. Whether a picture is
// whole is seen from its bytes, not from what the decoders say.
class QuietDecoders {
public:
    QuietDecoders() { previous_ = QLoggingCategory::installFilter(quieten); }
    ~QuietDecoders() { QLoggingCategory::installFilter(previous_); }

private:
    // The filter set before is not known yet while this one is installed:
    // then the categories keep the settings they have.
    static void quieten(QLoggingCategory* category)
    {
        if (previous_)
            previous_(category);
        if (qstrncmp(category->categoryName(), "qt.gui.imageio", 14) == 0) {
            category->setEnabled(QtWarningMsg, false);
            category->setEnabled(QtCriticalMsg, false);
        }
    }
    static inline QLoggingCategory::CategoryFilter previous_ = nullptr;
};

}  // namespace

PictureFolder::PictureFolder(QByteArray folder) : folder_(std::move(folder))
{
    descriptor_ = ::open(folder_.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    openError_ = descriptor_ < 0 ? errno : 0;
}

PictureFolder::PictureFolder(const QString& folder) : PictureFolder(QFile::encodeName(folder)) {}

PictureFolder::~PictureFolder()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::string PictureFolder::nameOf(const QByteArray& relative) const
{
    return QFile::decodeName(folder_ + '/' + relative).toStdString();
}

RuntimeError PictureFolder::lookError(const QByteArray& relative, int error, bool folder) const
{
    const std::string name = nameOf(relative);
    if (error == ENOENT || error == ENOTDIR)
        return folder ? pathNotFoundError(name) : fileNotFoundError(name);
    return fileAccessError(name, std::strerror(error));
}

void PictureFolder::requireSubfolders(std::initializer_list<const char*> names) const
{
    for (const char* name : names) {
        struct stat status {};
        if (descriptor_ < 0)
            throw lookError(name, openError_, true);
        if (::fstatat(descriptor_, name, &status, 0) != 0)
            throw lookError(name, errno, true);
        if (!S_ISDIR(status.st_mode))
            throw lookError(name, ENOTDIR, true);
    }
}

QImage PictureFolder::load(const QString& relative) const
{
    const QByteArray file = QFile::encodeName(relative);
    // Not there, or a folder on its way may not be looked into: the system says which.
    struct stat status {};
    if (descriptor_ < 0)
        throw lookError(file, openError_, false);
    if (::fstatat(descriptor_, file.constData(), &status, 0) != 0)
        throw lookError(file, errno, false);
    if (!S_ISREG(status.st_mode))  // opening a pipe or a device could wait for ever
        throw invalidPictureError(nameOf(file));
    const int descriptor = ::openat(descriptor_, file.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw fileAccessError(nameOf(file), std::strerror(errno));
    QFile device;
    device.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return decodePicture(device, nameOf(file));
}

QImage decodePicture(QIODevice& device, const std::string& name)
{
    QByteArray bytes = device.read(MaxPictureBytes + 1);
    if (bytes.size() > MaxPictureBytes || !wholePicture(bytes))
        throw invalidPictureError(name);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QuietDecoders quiet;
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
