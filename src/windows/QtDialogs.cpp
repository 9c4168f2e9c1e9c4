#include "QtDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "widgets/Style.h"
#include "windows/Zoom.h"

namespace mirewalk {

namespace {

// A dialog that hides when it closes and keeps its window on the desktop
// until it is deleted. Qt destroys the window of a closed dialog, and GNOME's
// window manager on X11 (mutter 43) ends on an X error when a window goes
// while it is still reading the little window where Qt keeps the window's
// user time, which Qt makes as the window first shows: a box answered at
// once, or a name entered at once, could end the desktop.
template <typename Dialog>
class KeptDialog : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override
    {
        Dialog::showEvent(event);
        if (QWindow* window = this->windowHandle())
            window->installEventFilter(this);
        // Closed by the program, the dialog's own rejection comes while its
        // window is already closing, and Qt does not close it again: it hides
        // once it has its result.
        QObject::connect(this, &QDialog::finished, this, &QWidget::hide, Qt::UniqueConnection);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != this->windowHandle() || event->type() != QEvent::Close)
            return Dialog::eventFilter(watched, event);
        // The dialog takes the close as it would (a frame's close rejects
        // it) and hides; its window is kept.
        QCloseEvent close;
        QCoreApplication::sendEvent(this, &close);
        if (close.isAccepted())
            this->hide();
        event->setAccepted(close.isAccepted());
        return true;
    }
};

// A message box belonging to window, or to no window.
QMessageBox* newBox(QWidget* window)
{
    return new KeptDialog<QMessageBox>(QMessageBox::NoIcon, ProgramTitle, QString(),
                                       QMessageBox::Ok, window);
}

// Centres a dialog over window as soon as it shows. Qt places a dialog over
// its window before the window manager has told it the dialog's frame, and
// where the frames have no left border (mutter's, KWin's) it guesses them
// wrong: the box would open 10 pixels left of the middle and 40 above.
void centreOnceShown(QDialog& dialog, QWidget* window)
{
    if (!window || !window->isVisible())
        return;
    QTimer::singleShot(0, &dialog, [&dialog, window] {
        dialog.move(dialog.pos() + window->geometry().center() - dialog.geometry().center());
    });
}

// The elements of box that take the focus by Tab, in the order Tab goes.
QList<QWidget*> tabStops(QWidget& box)
{
    QList<QWidget*> stops;
    for (QWidget* widget = box.nextInFocusChain(); box.isAncestorOf(widget);
         widget = widget->nextInFocusChain())
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            stops.append(widget);
    return stops;
}

// While a box shows inside the game window, the box alone takes input: keys,
// clicks, shortcuts and the desktop's close of the window are kept from
// everything else, and Tab goes round the box's own elements. The box has a
// line drawn round it.
class InsideBoxGate : public QObject {
public:
    explicit InsideBoxGate(QDialog& box) : box_(box), outer_(innermost_)
    {
        // The button Return presses where the focus is on no button: the
        // default, or the first that takes Return, as Qt chooses for a dialog
        // in a window of its own (which it cannot do inside another window).
        const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
        const auto chosen = std::find_if(buttons.begin(), buttons.end(),
                                         [](QPushButton* b) { return b->isDefault(); });
        const auto first = std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) {
            return b->isVisible() && b->autoDefault();
        });
        enter_ = chosen != buttons.end() ? *chosen : first != buttons.end() ? *first : nullptr;
        innermost_ = this;
        QApplication::instance()->installEventFilter(this);
    }
    ~InsideBoxGate() override
    {
        QApplication::instance()->removeEventFilter(this);
        innermost_ = outer_;
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && target == &box_) {
            // A line round the box, where no desktop draws a frame; its elements paint over it.
            QPainter painter(&box_);
            painter.setPen(box_.palette().color(QPalette::Dark));
            painter.drawRect(box_.rect().adjusted(0, 0, -1, -1));
            return false;
        }
        if (innermost_ != this)
            return false;  // a box opened over this one keeps the gate while it shows
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Close: break;
        case QEvent::Shortcut:  // a shortcut of the box's own buttons is theirs
            return !inBox(target);
        default: return false;
        }
        if (!target->isWidgetType()) {
            // The window's way in hands a click on to the element under the
            // pointer, which would take the focus before the click reached it.
            QWidget* window = box_.window();
            const auto* pointer = dynamic_cast<QSinglePointEvent*>(event);
            return target == window->windowHandle() && pointer
                && !inBox(window->childAt(pointer->position().toPoint()));
        }
        if (!inBox(target)) {
            event->ignore();  // a close kept from the game window leaves it open
            return true;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            // A plain key (Escape, Return, a letter) is the box's, never a shortcut of the window's.
            const auto modifiers = static_cast<QKeyEvent*>(event)->modifiers();
            if (!(modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)))
                event->accept();
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                stepFocus(key == Qt::Key_Tab ? 1 : -1);
                return true;
            }
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && enter_
                && !qobject_cast<QPushButton*>(target)) {
                enter_->click();
                return true;
            }
        }
        return false;
    }

private:
    bool inBox(QObject* target) const
    {
        auto* widget = qobject_cast<QWidget*>(target);
        return widget && (widget == &box_ || box_.isAncestorOf(widget));
    }

    // Moves the focus by step among the box's elements that take it by Tab, round.
    void stepFocus(int step)
    {
        const QList<QWidget*> stops = tabStops(box_);
        if (stops.isEmpty())
            return;
        const auto at = stops.indexOf(QApplication::focusWidget());
        const auto next = (at + step + stops.size()) % stops.size();
        stops[next]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }

    QDialog& box_;
    QPointer<QPushButton> enter_;
    InsideBoxGate* outer_;  // the gate of the box under this one, if any
    static inline InsideBoxGate* innermost_ = nullptr;
};

// Gives the focus to the first element of dialog that takes it by Tab: the
// prompt's text box, a message box's button.
void takeFocus(QDialog& dialog)
{
    const QList<QWidget*> stops = tabStops(dialog);
    (stops.isEmpty() ? &dialog : stops.first())->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace

BoxPlace boxPlaceOnThisDesktop()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        ? BoxPlace::InsideWindow
        : BoxPlace::OwnWindow;
}

QtDialogs::QtDialogs() = default;

// The box and the prompt are deleted with the game window when they belong
// to it, here otherwise.
QtDialogs::~QtDialogs()
{
    delete box_;
    delete prompt_;
}

void QtDialogs::setWindow(QWidget& window, BoxPlace place)
{
    window_ = &window;
    place_ = place;
}

int QtDialogs::answer(QDialog& dialog)
{
    if (place_ == BoxPlace::InsideWindow && window_ && window_->isVisible()) {
        if (dialog.isWindow()) {
            dialog.setWindowFlags(Qt::Widget);
            // Its own colours, not the black of the game window around it.
            useDesktopColours(&dialog);
            dialog.setAutoFillBackground(true);
            dialog.setAccessibleName(ProgramTitle);
        }
        dialog.show();  // laid out at its size
        if (window_->rect().contains(QRect(QPoint(), dialog.size()))) {
            dialog.move(window_->rect().center() - dialog.rect().center());
            dialog.raise();
            const QPointer<QWidget> focus = QApplication::focusWidget();
            takeFocus(dialog);
            const InsideBoxGate gate(dialog);
            const int result = dialog.exec();
            if (focus && focus->isVisible())
                focus->setFocus(Qt::ActiveWindowFocusReason);
            return result;
        }
        dialog.hide();
    }
    if (!dialog.isWindow())
        dialog.setWindowFlags(Qt::Dialog);
    centreOnceShown(dialog, window_);
    return dialog.exec();
}

std::string QtDialogs::prompt(const std::string& question)
{
    // Kept once answered, as the message box is, until the next prompt.
    delete prompt_;
    prompt_ = new KeptDialog<QInputDialog>(window_);
    QInputDialog& dialog = *prompt_;
    dialog.setWindowTitle(ProgramTitle);
    dialog.setLabelText(QString::fromStdString(question));
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* box = dialog.findChild<QLineEdit*>())
        box->setMaxLength(MaxNameLength);
    if (zoom_)
        zoom_->addZoomKeys(dialog);
    return answer(dialog) == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

void QtDialogs::message(const std::string& text)
{
    // One box shows many messages: Qt keeps about 2 kB for every box made
    // (its button's icon), and about 90 bytes in a box for every closing (a
    // connection made at each activation, freed with the box), so a box is
    // made anew after 1,000 messages. A message asked for while the box is
    // open (from a handler its event loop ran) gets a box of its own.
    std::unique_ptr<QMessageBox> own;
    if (box_ && box_->isVisible()) {
        own.reset(newBox(window_));
    } else if (!box_ || box_->parentWidget() != window_ || ++messages_ % 1000 == 0) {
        delete box_;
        box_ = newBox(window_);
    }
    QMessageBox& box = own ? *own : *box_;
    box.setText(QString::fromStdString(text));
    answer(box);
    // A box that had to show in a window of its own is not taken back into
    // the game window: Qt would not close it there again.
    if (!own && place_ == BoxPlace::InsideWindow && box.isWindow())
        delete box_;
    // The keyboard goes back to the game window, as a window manager gives
    // it back; without one it would go nowhere.
    if (window_ && window_->isVisible())
        window_->activateWindow();
}

}  // namespace mirewalk
