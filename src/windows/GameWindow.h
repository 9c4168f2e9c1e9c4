#pragma once
// A top-level game window: caption, fixed client size (it tells the window
// manager it cannot be resized or maximised), black background. Closing it
// through its frame, or pressing Escape, does not close it but reports
// frameClosed.

#include <QWidget>
#include <functional>

class Dialogs;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow(const char* name, const QString& caption, QSize clientSize);

signals:
    void frameClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Runs a command of a window (a click, a key, a menu entry) behind the guard
// for run-time errors, but only while the window is shown: an event that
// reaches a hidden window, sent before it hid or by code, does nothing, since
// the player cannot have given it.
void guardedWhileShown(const QWidget& window, Dialogs& dialogs, const std::function<void()>& command);
