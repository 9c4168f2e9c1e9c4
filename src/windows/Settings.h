#pragma once
// The player's view kept between runs: the zoom and fullscreen, in
// $XDG_CONFIG_HOME/mirewalk/mirewalk.conf (~/.config when it is not set), a
// QSettings INI file. This is not a saved game: nothing of the game is kept.

#include <QString>

namespace mirewalk {

class Settings {
public:
    // The largest zoom the file may hold; a larger one is not a setting.
    static constexpr int MaxZoom = 16;

    // Reads the file at path. A missing file means the defaults; a file that
    // cannot be read, or holds what is not a setting, means the defaults too,
    // said in one line on standard error.
    explicit Settings(QString path = defaultPath());

    int zoom() const { return zoom_; }
    bool fullScreen() const { return fullScreen_; }
    // Keeps a setting the player changed in the file. A file that cannot be
    // written costs only the memory of the setting, said once.
    void setZoom(int zoom);
    void setFullScreen(bool on);

    // $XDG_CONFIG_HOME/mirewalk/mirewalk.conf, or under ~/.config.
    static QString defaultPath();

private:
    void write();

    QString path_;
    int zoom_ = 1;
    bool fullScreen_ = false;
    bool unwritable_ = false;  // said once
};

}  // namespace mirewalk
