#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

std::string QtDialogs::prompt(const std::string& question)
{
    bool accepted = false;
    const QString name = QInputDialog::getText(nullptr, ProgramTitle,
                                               QString::fromStdString(question), QLineEdit::Normal,
                                               QString(), &accepted);
    return accepted ? name.toStdString() : std::string();
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
