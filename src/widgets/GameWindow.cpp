#include "GameWindow.h"

#include <QAbstractNativeEventFilter>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdint>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include "widgets/Screen.h"
#include "widgets/Style.h"
#include "widgets/Zoomed.h"

namespace mirewalk {

namespace {

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

// Watches the X server's events for the destruction of one window, which no
// other event of Qt's reports.
class DestructionWatch : public QAbstractNativeEventFilter {
public:
    explicit DestructionWatch(GameWindow& window) : window_(window) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        // The X protocol's DestroyNotify event, as it comes from the server.
        struct DestroyNotify {
            std::uint8_t responseType, pad;
            std::uint16_t sequence;
            std::uint32_t event, window;
        };
        constexpr std::uint8_t destroyNotify = 17;
        if (type != "xcb_generic_event_t" || !window_.testAttribute(Qt::WA_WState_Created))
            return false;
        const auto* event = static_cast<const DestroyNotify*>(message);
        if ((event->responseType & 0x7f) == destroyNotify && event->window == window_.winId())
            emit window_.destroyedFromOutside();
        return false;
    }

private:
    GameWindow& window_;
};

}  // namespace

GameWindow::GameWindow()
{
    seeAs(staticMetaObject, QAccessible::Window);  // named by its title
    setObjectName(QStringLiteral("Mirewalk"));
    setWindowIcon(gameIcon());
    watch_ = std::make_unique<DestructionWatch>(*this);
    QCoreApplication::instance()->installNativeEventFilter(watch_.get());
    makeFixed(this);
    makeBlack(this);
    // The window takes the size of the screen shown: a hidden screen takes
    // no room. In fullscreen the screen shows in the middle.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    leaveFullScreen_ = new QShortcut(Qt::Key_Escape, this);
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QShortcut::activated, this, [this] {
        setFullScreen(false);
        emit fullScreenLeft();
    });
    // Qt 6.4 on Wayland can take the keyboard from the window in its own
    // eyes while the desktop has given it back: when a menu closes, a
    // deactivation still queued is handled after the check that would have
    // undone it. Keys then reach the window but no shortcut takes them, and
    // no element shows the focus. Where the window's platform side still
    // holds the desktop's keyboard, the window is made active again.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        QWindow* window = windowHandle();
        if (!focus && window && window->handle() && window->handle()->isActive())
            QWindowSystemInterface::handleWindowActivated(window, Qt::ActiveWindowFocusReason);
    });
}

GameWindow::~GameWindow() { QCoreApplication::instance()->removeNativeEventFilter(watch_.get()); }

void GameWindow::add(Screen& screen)
{
    focus_.insert(&screen, screen.focusWidget());  // what the screen gave the focus as it was built
    screen.setParent(this);
    screen.hide();
    zoomElements(&screen, shownZoom_);
    static_cast<QVBoxLayout*>(layout())->addWidget(&screen, 0, Qt::AlignCenter);
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
    leaveFullScreen_->setEnabled(fullScreen_ && !screen.takesEscape());
    if (fullScreen_)
        fitScreen();
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

void GameWindow::setZoom(int zoom)
{
    zoom_ = zoom;
    if (!fullScreen_)
        showAtZoom(zoom);
}

void GameWindow::setFullScreen(bool on)
{
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    leaveFullScreen_->setEnabled(on && shown_ && !shown_->takesEscape());
    if (on) {
        // A window of fixed size may not be made fullscreen by the desktop.
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        fitScreen();
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        showAtZoom(zoom_);
    }
}

void GameWindow::showAtZoom(int zoom)
{
    if (zoom == shownZoom_)
        return;
    shownZoom_ = zoom;
    zoomLook(zoom);
    // A screen laid out by a layout of its own (the map) takes its new size now, not later.
    for (Screen* screen : findChildren<Screen*>(Qt::FindDirectChildrenOnly)) {
        zoomElements(screen, zoom);
        if (QLayout* own = screen->layout())
            own->activate();
    }
    layout()->activate();
}

void GameWindow::fitScreen()
{
    if (!shown_)
        return;
    const QSize area = screen()->geometry().size();
    const QSize game = shown_->sizeHint().expandedTo(shown_->size()) / shownZoom_;
    int zoom = std::max(1, std::min(area.width() / game.width(), area.height() / game.height()));
    showAtZoom(zoom);
    // The menu bar does not grow quite as the zoom does: the map may need one less.
    while (zoom > 1 && (shown_->width() > area.width() || shown_->height() > area.height()))
        showAtZoom(--zoom);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (shown_)
        shown_->close();
}

}  // namespace mirewalk
