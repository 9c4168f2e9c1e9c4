#include "PictureFolder.h"

#include <QFileInfo>
#include <QImageReader>

#include "RuntimeError.h"

PictureFolder::PictureFolder(QString folder) : folder_(std::move(folder)) {}

QString PictureFolder::path(const QString& relative) const
{
    return folder_ + QLatin1Char('/') + relative;
}

QImage PictureFolder::load(const QString& relative) const
{
    const QString fullPath = path(relative);
    const QFileInfo file(fullPath);
    if (!file.exists())
        throw fileNotFoundError(fullPath.toStdString());
    QImageReader reader(fullPath);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw invalidPictureError(fullPath.toStdString());
    return picture;
}

const PictureFolder& builtInPictures()
{
    static const PictureFolder folder(QStringLiteral(":/pictures"));
    return folder;
}
