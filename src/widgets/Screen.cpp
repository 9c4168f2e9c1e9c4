#include "Screen.h"

#include <QCloseEvent>
#include <QShortcut>

#include "widgets/Style.h"

namespace mirewalk {

Screen::Screen(const char* name, const QString& caption)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    makeBlack(this);
}

void Screen::closeOnEscape()
{
    // A shortcut works only while its widget is shown, in the active window.
    takesEscape_ = true;
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &Screen::frameClosed);
}

void Screen::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit frameClosed();
}

}  // namespace mirewalk
