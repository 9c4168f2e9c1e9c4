#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

namespace mirewalk {

namespace {

std::unique_ptr<QMessageBox> newBox()
{
    return std::make_unique<QMessageBox>(QMessageBox::NoIcon, ProgramTitle, QString(),
                                         QMessageBox::Ok);
}

}  // namespace

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

std::string QtDialogs::prompt(const std::string& question)
{
    QInputDialog dialog;
    dialog.setWindowTitle(ProgramTitle);
    dialog.setLabelText(QString::fromStdString(question));
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* box = dialog.findChild<QLineEdit*>())
        box->setMaxLength(MaxNameLength);
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
    if (box_ && box_->isVisible())
        own = newBox();
    else if (!box_ || ++messages_ % 1000 == 0)
        box_ = newBox();
    QMessageBox& box = own ? *own : *box_;
    box.setText(QString::fromStdString(text));
    box.exec();
    // The keyboard goes back to the game's window shown, as a window manager
    // gives it back; without one it would go nowhere.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Window)
            window->activateWindow();
}

void QtDialogs::quit(int status)
{
    ended_ = true;
    status_ = status;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(status);
}

}  // namespace mirewalk
