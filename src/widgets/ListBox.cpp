#include "ListBox.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "widgets/Style.h"
#include "widgets/Zoomed.h"

namespace mirewalk {

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
    placeAt(this, geometry);
    useLabelFont(this, pixelSize);
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

}  // namespace mirewalk
