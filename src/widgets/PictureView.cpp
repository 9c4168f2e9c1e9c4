#include "PictureView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "widgets/Style.h"
#include "widgets/Zoomed.h"

namespace mirewalk {

PictureView::PictureView(QWidget* parent, const char* name, QRect geometry, bool takesKeys)
    : QWidget(parent),
      canvas_(geometry.size())
{
    seeAs(staticMetaObject, QAccessible::Graphic);
    setAccessibleName(QString::fromLatin1(name));
    setObjectName(QString::fromLatin1(name));
    placeAt(this, geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(takesKeys ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // At any zoom and on a scaled screen each picture pixel becomes a sharp
    // block, never a blur: whole pixels of the image are drawn, each zoom
    // times as large.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int zoom = this->zoom();
    for (const QRect& area : event->region()) {
        if (zoom == 1) {  // the common case, a copy as it is
            painter.drawImage(area.topLeft(), canvas_.image(), area);
            continue;
        }
        const QRect pixels(area.topLeft() / zoom, area.bottomRight() / zoom);
        painter.drawImage(QRect(pixels.topLeft() * zoom, pixels.size() * zoom), canvas_.image(),
                          pixels);
    }
}

int PictureView::zoom() const
{
    return canvas_.size().isEmpty() ? 1 : std::max(1, width() / canvas_.size().width());
}

void PictureView::refresh(const QRegion& area)
{
    const int zoom = this->zoom();
    update(zoom == 1 ? area : QTransform::fromScale(zoom, zoom).map(area));
}

void PictureView::keyPressEvent(QKeyEvent* event) { emit keyPressed(event->key()); }

void PictureView::mousePressEvent(QMouseEvent*)
{
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
}

}  // namespace mirewalk
