#include "GameWindow.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QShortcut>

#include "widgets/Style.h"

namespace mirewalk {

namespace {

// Screen readers see a game window as a window.
QAccessibleInterface* asWindow(const QString& className, QObject* object)
{
    if (className != QLatin1String(GameWindow::staticMetaObject.className())
        || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

GameWindow::GameWindow(const char* name, const QString& caption, QSize clientSize)
{
    static const bool accessible = (QAccessible::installFactory(asWindow), true);
    (void)accessible;
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(clientSize);
    makeFixed(this);
    makeBlack(this);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            &GameWindow::frameClosed);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit frameClosed();
}

}  // namespace mirewalk
