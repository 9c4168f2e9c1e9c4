#pragma once
// A top-level game window: caption, fixed client size (it tells the window
// manager it cannot be resized or maximised), black background. Closing it
// through its frame, or pressing Escape, does not close it but reports
// frameClosed.

#include <QWidget>

namespace mirewalk {

class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow(const char* name, const QString& caption, QSize clientSize);

signals:
    void frameClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace mirewalk
