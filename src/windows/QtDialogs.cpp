#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

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
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle, QString::fromStdString(text), QMessageBox::Ok);
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
