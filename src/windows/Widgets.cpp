#include "Widgets.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyledItemDelegate>

#include "platform/Guard.h"

namespace {

// The faces the game asks for, best first: Liberation Sans has the widths of
// the face its layouts were made for; the others are close proportional faces.
const QStringList GameFaces{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                            QStringLiteral("DejaVu Sans")};

}  // namespace

void useGameFont()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), GameFaces);
    QFont font = QApplication::font();
    font.setFamilies(GameFaces);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

QFont labelFont(int pixelSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void guardedWhileShown(const QWidget& window, Dialogs& dialogs, const std::function<void()>& command)
{
    if (window.isVisible())
        guarded(dialogs, command);
}

void makeFixed(QWidget* window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint);
}

void makeBlack(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

Label::Label(QWidget* parent, const char* name, const QString& caption, QPoint position,
             int pixelSize, QColor colour)
    : QLabel(parent)
{
    setObjectName(QString::fromLatin1(name));
    setFont(labelFont(pixelSize));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
    makeBlack(this);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    move(position);
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    adjustSize();
}

void Label::setKey(Qt::Key key)
{
    // A shortcut works only while its widget is shown, in the active window.
    connect(new QShortcut(key, this), &QShortcut::activated, this, &Label::clicked);
    describeKey(key);
}

void Label::describeKey(Qt::Key key)
{
    setAccessibleDescription(QStringLiteral("Key: ") + QKeySequence(key).toString());
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TextBox::TextBox(QWidget* parent, const char* name, QRect geometry) : QLineEdit(parent)
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(QString::fromLatin1(name));
    setGeometry(geometry);
}

namespace {

// Screen readers see picture views as pictures and game windows as windows.
QAccessibleInterface* gameAccessible(const QString& className, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("PictureView"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("GameWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// Installs gameAccessible once.
void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(gameAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace

namespace {

// Paints a list's row with its text from the row's left edge, with no inner
// margin, so that the whole width of a narrow list shows text; a row fills
// the list's height.
class FullWidthRow : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index);
        const QString text = row.text;
        row.text.clear();
        const QWidget* list = row.widget;
        list->style()->drawControl(QStyle::CE_ItemViewItem, &row, painter, list);
        const bool selected = row.state & QStyle::State_Selected;
        painter->setFont(row.font);
        painter->setPen(row.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(row.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

    // A row is as high as the list shows, so that one row fills it.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto* list = static_cast<const QAbstractScrollArea*>(option.widget);
        return {QStyledItemDelegate::sizeHint(option, index).width(), list->viewport()->height()};
    }
};

}  // namespace

ListBox::ListBox(QWidget* parent, const char* name, QRect geometry, int pixelSize)
    : QListWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(QString::fromLatin1(name));
    setGeometry(geometry);
    setFont(labelFont(pixelSize));
    setFrameShape(QFrame::NoFrame);
    setItemDelegate(new FullWidthRow(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // A bar across a one-row box would leave no room for the row.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    // Every row has the same font and height: the list measures one row, not
    // all of them, so a list of thousands of rows grows as fast as a short one.
    setUniformItemSizes(true);
}

QString ListBox::selectedText() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void ListBox::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // A list reached by the keyboard marks no row as current until one is
    // chosen, so the first arrow key chooses, and selects, a row.
    if (currentItem() && !currentItem()->isSelected())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    viewport()->update();
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

PictureView::PictureView(QWidget* parent, const char* name, QRect geometry, bool takesKeys)
    : QWidget(parent),
      canvas_(geometry.size())
{
    installAccessibility();
    setAccessibleName(QString::fromLatin1(name));
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(takesKeys ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // On a scaled screen each picture pixel becomes a sharp block, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, canvas_.image());
}

void PictureView::keyPressEvent(QKeyEvent* event) { emit keyDown(virtualKeyCode(event->key())); }

void PictureView::mousePressEvent(QMouseEvent*)
{
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
}

GameWindow::GameWindow(const char* name, const QString& caption, QSize clientSize)
{
    installAccessibility();
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

int virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return 0;
    }
}
