#pragma once
// A screen of the game window: its name, its caption (the window's title
// while it shows) and a black background. The game window shows one screen
// at a time; closing the window through its frame reaches the screen shown,
// which does not close but reports frameClosed.

#include <QWidget>

namespace mirewalk {

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(const char* name, const QString& caption);

    // Whether Escape on the screen does what closing the window does.
    bool takesEscape() const { return takesEscape_; }

signals:
    void frameClosed();

protected:
    // Makes Escape, pressed while the screen shows, do what closing the window does.
    void closeOnEscape();
    void closeEvent(QCloseEvent* event) override;

private:
    bool takesEscape_ = false;
};

}  // namespace mirewalk
