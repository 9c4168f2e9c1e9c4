#include "PadInput.h"

#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStyleHints>
#include <algorithm>
#include <qpa/qwindowsysteminterface.h>

namespace mirewalk {

namespace {

// Qt 6.4's style hints give the keyboard's repeat rate but not its delay:
// the first repeat comes after the delay most desktops use.
constexpr int RepeatDelay = 500;

// A key of the keyboard as the window system reports it: the key, the
// modifiers held with it and the text it types.
struct Stroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

// What each of the pads' keys is on the keyboard.
Stroke strokeOf(PadKey key)
{
    switch (key) {
    case PadKey::Up: return {Qt::Key_Up, {}, ""};
    case PadKey::Down: return {Qt::Key_Down, {}, ""};
    case PadKey::Left: return {Qt::Key_Left, {}, ""};
    case PadKey::Right: return {Qt::Key_Right, {}, ""};
    case PadKey::Return: return {Qt::Key_Return, {}, "\r"};
    case PadKey::Escape: return {Qt::Key_Escape, {}, "\x1b"};
    case PadKey::C: return {Qt::Key_C, {}, "c"};
    case PadKey::L: return {Qt::Key_L, {}, "l"};
    case PadKey::D: return {Qt::Key_D, {}, "d"};
    case PadKey::I: return {Qt::Key_I, {}, "i"};
    case PadKey::A: return {Qt::Key_A, {}, "a"};
    case PadKey::Tab: return {Qt::Key_Tab, {}, "\t"};
    case PadKey::ShiftTab: return {Qt::Key_Backtab, Qt::ShiftModifier, ""};
    case PadKey::AltG: return {Qt::Key_G, Qt::AltModifier, ""};
    case PadKey::F11: return {Qt::Key_F11, {}, ""};
    case PadKey::CtrlMinus: return {Qt::Key_Minus, Qt::ControlModifier, ""};
    case PadKey::CtrlPlus: return {Qt::Key_Plus, Qt::ControlModifier, ""};
    }
    return {Qt::Key_unknown, {}, ""};
}

// The key of a modifier, pressed before the key it modifies and released after.
Qt::Key modifierKey(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::AltModifier)
        return Qt::Key_Alt;
    if (modifiers & Qt::ControlModifier)
        return Qt::Key_Control;
    return Qt::Key_Shift;
}

// Whether the key walks: only these repeat while held.
bool isDirection(PadKey key)
{
    return key == PadKey::Up || key == PadKey::Down || key == PadKey::Left || key == PadKey::Right;
}

// Whether the game has the keyboard: only then do the pads play it.
bool gameIsActive() { return QGuiApplication::applicationState() == Qt::ApplicationActive; }

// One key event through the window system's way in, handled now, for the
// window that has the focus then (no window named), as a keyboard driver gives it.
void deliver(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, const char* text,
             bool repeated = false)
{
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        nullptr, type, key, modifiers, QString::fromLatin1(text), repeated);
}

}  // namespace

// Held directions stop as the game loses the keyboard.
PadInput::PadInput(const QString& folder, QObject* parent)
    : QObject(parent),
      reader_(QFile::encodeName(folder).toStdString())
{
    repeat_.setParent(this);  // among the application's objects, where its timers are counted
    connect(&repeat_, &QTimer::timeout, this, &PadInput::repeatHeld);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    letGo();
            });
    watchDescriptors();
}

// The notifiers go before the reader closes their descriptors.
PadInput::~PadInput()
{
    for (const auto& [descriptor, notifier] : notifiers_)
        delete notifier;
}

// An empty variable counts as none, so a test's environment cannot turn the pads off by accident.
QString PadInput::inputFolder()
{
    const QString folder = qEnvironmentVariable("MIREWALK_INPUT_DIR");
    return folder.isEmpty() ? QStringLiteral("/dev/input") : folder;
}

// The changes are read in full and queued before any key reaches the game. A
// key that opens a modal box runs the box's event loop from here, and the
// pads are read again inside it: the keys still queued go first, so every key
// reaches the game in the order the pads gave them.
void PadInput::readReady(int descriptor)
{
    const std::vector<PadKeyChange> changes = reader_.readReady(descriptor);
    if (reader_.generation() != watched_)
        watchDescriptors();
    pending_.insert(pending_.end(), changes.begin(), changes.end());
    while (!pending_.empty()) {
        const PadKeyChange change = pending_.front();
        pending_.pop_front();
        take(change);
    }
}

// A notifier that goes may be the one whose signal is being handled: it is
// switched off now and deleted once the event loop has it back.
void PadInput::watchDescriptors()
{
    watched_ = reader_.generation();
    const std::vector<int> descriptors = reader_.descriptors();
    for (auto it = notifiers_.begin(); it != notifiers_.end();) {
        if (std::find(descriptors.begin(), descriptors.end(), it->first) != descriptors.end()) {
            ++it;
            continue;
        }
        it->second->setEnabled(false);
        it->second->deleteLater();
        it = notifiers_.erase(it);
    }
    for (const int descriptor : descriptors) {
        if (notifiers_.count(descriptor))
            continue;
        auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [this, descriptor] { readReady(descriptor); });
        notifiers_.emplace(descriptor, notifier);
    }
}

// A press counts only while the game is active; a release only for a key the
// game was given. The latest direction pressed repeats, as a keyboard's key.
// What is held is settled before the key goes in: a key that opens a modal
// box comes back only once the box closes, and its release may come first.
// The repeat is armed once the key is in, so the key reaches the game as soon
// as a keyboard's does, and only if the direction is still held then.
void PadInput::take(const PadKeyChange& change)
{
    const int index = static_cast<int>(change.key);
    if (change.down && gameIsActive() && !held_[index]) {
        held_.set(index);
        if (isDirection(change.key))
            repeating_ = change.key;
        send(change.key, true, false);
        if (held_[index] && repeating_ == change.key)
            repeat_.start(RepeatDelay);
    } else if (!change.down && held_[index]) {
        held_.reset(index);
        if (repeating_ == change.key) {
            repeat_.stop();
            repeating_.reset();
        }
        send(change.key, false, false);
    }
}

// A key with modifiers is struck whole as its button goes down (modifier
// down, key down, key up, modifier up), so no modifier is left held.
void PadInput::send(PadKey key, bool down, bool repeated)
{
    const Stroke stroke = strokeOf(key);
    if (stroke.modifiers == Qt::NoModifier) {
        deliver(down ? QEvent::KeyPress : QEvent::KeyRelease, stroke.key, {}, stroke.text, repeated);
        return;
    }
    if (!down)
        return;
    const Qt::Key modifier = modifierKey(stroke.modifiers);
    deliver(QEvent::KeyPress, modifier, stroke.modifiers, "");
    deliver(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
    deliver(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
    deliver(QEvent::KeyRelease, modifier, {}, "");
}

// After the delay the timer runs at the keyboard's repeat rate.
void PadInput::repeatHeld()
{
    if (!repeating_ || !gameIsActive()) {
        letGo();
        return;
    }
    const int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    repeat_.start(rate > 0 ? std::max(1, 1000 / rate) : 1000 / 30);
    send(*repeating_, true, true);
}

// The game's windows lost the keyboard: nothing more is released to them.
void PadInput::letGo()
{
    repeat_.stop();
    repeating_.reset();
    held_.reset();
}

}  // namespace mirewalk
