#include "Zoom.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "widgets/GameWindow.h"
#include "widgets/Zoomed.h"
#include "windows/Settings.h"
#include "windows/WholeScale.h"

namespace mirewalk {

namespace {

// A shortcut of several key sequences on widget.
QShortcut* shortcut(QWidget& widget, const QList<QKeySequence>& keys)
{
    auto* shortcut = new QShortcut(&widget);
    shortcut->setKeys(keys);
    return shortcut;
}

}  // namespace

Zoom::Zoom(Settings& settings) : settings_(settings), zoom_(std::min(settings.zoom(), largest())) {}

void Zoom::setWindow(GameWindow& window)
{
    window_ = &window;
    window.setZoom(zoom_);
    window.setFullScreen(settings_.fullScreen());
    addZoomKeys(window);
    const QList<QKeySequence> fullScreenKeys{Qt::Key_F11, Qt::AltModifier | Qt::Key_Return,
                                             Qt::AltModifier | Qt::KeypadModifier | Qt::Key_Enter};
    connect(shortcut(window, fullScreenKeys), &QShortcut::activated, this, &Zoom::switchFullScreen);
    connect(&window, &GameWindow::fullScreenLeft, this, [this] { settings_.setFullScreen(false); });
}

void Zoom::addZoomKeys(QWidget& dialog)
{
    QWidget* resized = &dialog == window_ ? nullptr : &dialog;
    zoomLook(zoom_);
    // A prompt before the game window shows at the zoom; the look goes back
    // to 1 once it is answered, for the window's screens are built at 1 and
    // shown at the zoom with the window.
    if (auto* prompt = qobject_cast<QDialog*>(&dialog); prompt && !window_)
        connect(prompt, &QDialog::finished, this, [this] {
            if (!window_)
                zoomLook(1);
        });
    const auto keys = [&](const QList<QKeySequence>& sequences, auto zoom) {
        connect(shortcut(dialog, sequences), &QShortcut::activated, this,
                [this, zoom, resized] { zoomTo(zoom(), resized); });
    };
    keys({Qt::ControlModifier | Qt::Key_Plus, Qt::ControlModifier | Qt::Key_Equal,
          Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus},
         [this] { return zoom_ + 1; });
    keys({Qt::ControlModifier | Qt::Key_Minus,
          Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus},
         [this] { return zoom_ - 1; });
    keys({Qt::ControlModifier | Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0},
         [] { return 1; });
}

void Zoom::zoomTo(int zoom, QWidget* dialog)
{
    if (zoom < 1 || zoom > largest() || zoom == zoom_ || (window_ && window_->fullScreen()))
        return;
    zoom_ = zoom;
    settings_.setZoom(zoom);
    if (window_)
        window_->setZoom(zoom);
    else
        zoomLook(zoom);
    if (dialog)
        dialog->adjustSize();
}

void Zoom::switchFullScreen()
{
    const bool on = !window_->fullScreen();
    window_->setFullScreen(on);
    settings_.setFullScreen(on);
}

int Zoom::largest() const
{
    const QScreen* screen = window_ && window_->screen() ? window_->screen()
                                                         : QGuiApplication::primaryScreen();
    return screen ? timesTheBattleFits(screen->availableGeometry().size()) : 1;
}

}  // namespace mirewalk
