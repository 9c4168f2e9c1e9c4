#include "Pictures.h"

#include <QHash>
#include <QString>

#include "platform/RuntimeError.h"

QImage builtIn(const char* name)
{
    static QHash<QString, QImage> decoded;
    const QString path = QStringLiteral(":/pictures/") + QLatin1String(name);
    QImage& picture = decoded[path];
    if (picture.isNull())
        picture = QImage(path);
    if (picture.isNull())
        throw invalidPictureError(path.toStdString());
    return picture;
}
