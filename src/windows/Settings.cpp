#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <optional>

namespace mirewalk {

namespace {

// A value of the file read as a whole number from 1 to the largest, else none.
std::optional<int> zoomOf(const QVariant& value)
{
    bool read = false;
    const int zoom = value.toString().trimmed().toInt(&read);
    return read && zoom >= 1 && zoom <= Settings::MaxZoom ? std::optional(zoom) : std::nullopt;
}

// A value of the file read as true or false, else none.
std::optional<bool> switchOf(const QVariant& value)
{
    const QString text = value.toString().trimmed();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

}  // namespace

Settings::Settings(QString path) : path_(std::move(path))
{
    if (!QFileInfo::exists(path_))
        return;
    const QSettings file(path_, QSettings::IniFormat);
    const std::optional<int> zoom = zoomOf(file.value("zoom", 1));
    const std::optional<bool> fullScreen = switchOf(file.value("fullscreen", false));
    const QStringList known{QStringLiteral("zoom"), QStringLiteral("fullscreen")};
    const bool onlyKnown = [&] {
        for (const QString& key : file.allKeys())
            if (!known.contains(key))
                return false;
        return true;
    }();
    if (file.status() == QSettings::NoError && zoom && fullScreen && onlyKnown) {
        zoom_ = *zoom;
        fullScreen_ = *fullScreen;
        return;
    }
    const char* why = file.status() == QSettings::AccessError ? "it cannot be read"
                                                              : "it holds what is not a setting";
    std::fprintf(stderr, "Mirewalk: the settings in %s are not used: %s\n",
                 qPrintable(QDir::toNativeSeparators(path_)), why);
}

void Settings::setZoom(int zoom)
{
    zoom_ = zoom;
    write();
}

void Settings::setFullScreen(bool on)
{
    fullScreen_ = on;
    write();
}

// The file is written whole: what was not a setting in it goes.
void Settings::write()
{
    QSettings file(path_, QSettings::IniFormat);
    file.clear();
    file.setValue(QStringLiteral("zoom"), zoom_);
    file.setValue(QStringLiteral("fullscreen"), fullScreen_);
    file.sync();
    if (file.status() == QSettings::NoError || unwritable_)
        return;
    unwritable_ = true;
    std::fprintf(stderr,
                 "Mirewalk: the settings cannot be kept in %s; they last until the game ends\n",
                 qPrintable(QDir::toNativeSeparators(path_)));
}

QString Settings::defaultPath()
{
    // As the XDG base directories say: a relative or empty XDG_CONFIG_HOME is not used.
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/mirewalk/mirewalk.conf");
}

}  // namespace mirewalk
