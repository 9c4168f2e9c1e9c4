#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "windows/Zoom.h"

namespace mirewalk {

namespace {

// A message box belonging to window, or to no window.
QMessageBox* newBox(QWidget* window)
{
    return new QMessageBox(QMessageBox::NoIcon, ProgramTitle, QString(), QMessageBox::Ok, window);
}

// Centres a dialog over window as soon as it shows. Qt places a dialog over
// its window before the window manager has told it the dialog's frame, and
// where the frames have no left border (mutter's, KWin's) it guesses them
// wrong: the box would open 10 pixels left of the middle and 40 above.
void centreOnceShown(QDialog& dialog, QWidget* window)
{
    if (!window || !window->isVisible())
        return;
    QTimer::singleShot(0, &dialog, [&dialog, window] {
        dialog.move(dialog.pos() + window->geometry().center() - dialog.geometry().center());
    });
}

}  // namespace

QtDialogs::QtDialogs() = default;

// The box is deleted with the game window when it belongs to it, here otherwise.
QtDialogs::~QtDialogs() { delete box_; }

void QtDialogs::setWindow(QWidget& window) { window_ = &window; }

std::string QtDialogs::prompt(const std::string& question)
{
    QInputDialog dialog(window_);
    dialog.setWindowTitle(ProgramTitle);
    dialog.setLabelText(QString::fromStdString(question));
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* box = dialog.findChild<QLineEdit*>())
        box->setMaxLength(MaxNameLength);
    if (zoom_)
        zoom_->addZoomKeys(dialog);
    centreOnceShown(dialog, window_);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

void QtDialogs::message(const std::string& text)
{
    // One box shows many messages: Qt keeps about 2 kB for every box made
    // (its button's icon), and about 90 bytes in a box for every closing (a
    // connection made at each activation, freed with the box), so a box is
    // made anew after 1,000 messages. A message asked for while the box is
    // open (from a handler its event loop ran) gets a box of its own.
    std::unique_ptr<QMessageBox> own;
    if (box_ && box_->isVisible()) {
        own.reset(newBox(window_));
    } else if (!box_ || box_->parentWidget() != window_ || ++messages_ % 1000 == 0) {
        delete box_;
        box_ = newBox(window_);
    }
    QMessageBox& box = own ? *own : *box_;
    box.setText(QString::fromStdString(text));
    centreOnceShown(box, window_);
    box.exec();
    // The keyboard goes back to the game window, as a window manager gives
    // it back; without one it would go nowhere.
    if (window_ && window_->isVisible())
        window_->activateWindow();
}

}  // namespace mirewalk
