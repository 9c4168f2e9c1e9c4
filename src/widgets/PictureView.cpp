#include "PictureView.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace mirewalk {

namespace {

// Screen readers see a picture view as a picture.
QAccessibleInterface* asPicture(const QString& className, QObject* object)
{
    if (className != QLatin1String(PictureView::staticMetaObject.className())
        || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

PictureView::PictureView(QWidget* parent, const char* name, QRect geometry, bool takesKeys)
    : QWidget(parent),
      canvas_(geometry.size())
{
    static const bool accessible = (QAccessible::installFactory(asPicture), true);
    (void)accessible;
    setAccessibleName(QString::fromLatin1(name));
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(takesKeys ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // On a scaled screen each picture pixel becomes a sharp block, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& area : event->region())
        painter.drawImage(area, canvas_.image(), area);
}

void PictureView::keyPressEvent(QKeyEvent* event) { emit keyPressed(event->key()); }

void PictureView::mousePressEvent(QMouseEvent*)
{
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
}

}  // namespace mirewalk
