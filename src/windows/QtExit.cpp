#include "QtExit.h"

#include <QApplication>
#include <QWidget>

namespace mirewalk {

void QtExit::quit(int status)
{
    ended_ = true;
    status_ = status;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(status);
}

}  // namespace mirewalk
