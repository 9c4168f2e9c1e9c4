#include "GameWindow.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QVBoxLayout>

#include "widgets/Screen.h"
#include "widgets/Style.h"

namespace mirewalk {

namespace {

// Screen readers see the game window as a window, named by its title.
QAccessibleInterface* asWindow(const QString& className, QObject* object)
{
    if (className != QLatin1String(GameWindow::staticMetaObject.className())
        || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

// The first element of screen that takes the focus by Tab, in its tab order.
QWidget* firstToFocus(Screen& screen)
{
    for (QWidget* widget = screen.nextInFocusChain(); widget != &screen;
         widget = widget->nextInFocusChain()) {
        if (screen.isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus)
            && widget->isVisibleTo(&screen) && widget->isEnabled())
            return widget;
    }
    return nullptr;
}

}  // namespace

GameWindow::GameWindow()
{
    static const bool accessible = (QAccessible::installFactory(asWindow), true);
    (void)accessible;
    setObjectName(QStringLiteral("Mirewalk"));
    makeFixed(this);
    makeBlack(this);
    // The window takes the size of the screen shown: a hidden screen takes no room.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GameWindow::add(Screen& screen)
{
    focus_.insert(&screen, screen.focusWidget());  // what the screen gave the focus as it was built
    screen.setParent(this);
    screen.hide();
    layout()->addWidget(&screen);
}

void GameWindow::showScreen(Screen& screen)
{
    if (shown_ == &screen)
        return;
    if (shown_) {
        focus_[shown_] = shown_->focusWidget();
        shown_->hide();
    }
    shown_ = &screen;
    screen.show();
    setWindowTitle(screen.windowTitle());
    layout()->activate();
    // The keyboard stays with the window, as it was when the screen before showed.
    if (isVisible())
        activateWindow();
    focusOnScreen();
}

void GameWindow::focusOnScreen()
{
    QWidget* focus = focus_.value(shown_);
    if (!focus || !shown_->isAncestorOf(focus))
        focus = firstToFocus(*shown_);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void GameWindow::showEvent(QShowEvent* event)
{
    // The focus set while the window was hidden is the focus it opens with.
    QWidget::showEvent(event);
    if (shown_)
        focusOnScreen();
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (shown_)
        shown_->close();
}

}  // namespace mirewalk
