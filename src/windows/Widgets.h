#pragma once
// The window elements of the game: self-sizing labels that report clicks,
// picture views with a persistent image, and the game's windows themselves.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>
#include <functional>

#include "platform/Canvas.h"

class Dialogs;

// Makes the game's proportional face the font of everything the application
// shows, menus, boxes and dialogs included, whatever face the machine would
// pick by default (which may be fixed-pitch), and the face that stands in for
// "MS Sans Serif". Call it once the application exists, before any window.
void useGameFont();

// The game's label font: bold "MS Sans Serif" (the game's face stands in for
// it) at a size in pixels.
QFont labelFont(int pixelSize);

// Font sizes in pixels at 96 dpi.
namespace FontPx {
inline constexpr int Small = 13;   // 9.75 pt
inline constexpr int Medium = 16;  // 12 pt
inline constexpr int Large = 18;   // 13.5 pt
inline constexpr int Huge = 24;    // 18 pt
}

// The pure colours of the game's windows.
namespace Colour {
inline const QColor Red{255, 0, 0};
inline const QColor Green{0, 255, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Cyan{0, 255, 255};
inline const QColor Yellow{255, 255, 0};
}

// A label of bold text on black that sizes itself to its caption and reports
// clicks. The caption is shown as plain text, exactly as given.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const char* name, const QString& caption, QPoint position, int pixelSize,
          QColor colour);

    // Sets the caption and resizes the label to fit it.
    void setCaption(const QString& caption);
    void setCaption(long long number) { setCaption(QString::number(number)); }

    // Makes key, pressed while the label's window is active, click the label,
    // but only while the label is shown; its accessible description names it.
    void setKey(Qt::Key key);
    // Names in the label's accessible description the key that does what it
    // does, when its window already takes that key (Escape for BACK).
    void describeKey(Qt::Key key);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A text box at a fixed place.
class TextBox : public QLineEdit {
public:
    TextBox(QWidget* parent, const char* name, QRect geometry);
    void setNumber(long long number) { setText(QString::number(number)); }
};

// A list box of bold text rows that the player can select. A row's text
// takes the list's whole width and is cut off at its right edge; the list
// scrolls up and down one row at a time. All rows are as high and as wide as
// the first. A dotted frame shows when the list has the keyboard focus.
class ListBox : public QListWidget {
public:
    ListBox(QWidget* parent, const char* name, QRect geometry, int pixelSize);
    // The text of the selected row, or empty text when no row is selected.
    QString selectedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A picture view: shows its canvas unscaled at its top-left corner. When it
// has the focus it reports key presses by their virtual key codes.
class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(QWidget* parent, const char* name, QRect geometry, bool takesKeys = false);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    // Puts the canvas's image on the screen.
    void refresh() { update(); }

signals:
    void keyDown(int keyCode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Canvas canvas_;
};

// A top-level game window: caption, fixed client size (it tells the window
// manager it cannot be resized or maximised), black background. Closing it
// through its frame, or pressing Escape, does not close it but reports
// frameClosed.
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

// Paints a widget's background black.
void makeBlack(QWidget* widget);

// Makes a window of fixed size say so to the window manager: no maximise
// button and no resizing.
void makeFixed(QWidget* window);

// The virtual key code of a Qt key: 37 to 40 for the arrows, 0 for the rest.
int virtualKeyCode(int qtKey);
