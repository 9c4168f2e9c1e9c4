#include "Label.h"

#include <QMouseEvent>
#include <QShortcut>

#include "widgets/Style.h"
#include "widgets/Zoomed.h"

namespace mirewalk {

Label::Label(QWidget* parent, const char* name, const QString& caption, QPoint position,
             int pixelSize, QColor colour)
    : QLabel(parent)
{
    setObjectName(QString::fromLatin1(name));
    useLabelFont(this, pixelSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
    makeBlack(this);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeAt(this, QRect(position, QSize()));
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

}  // namespace mirewalk
