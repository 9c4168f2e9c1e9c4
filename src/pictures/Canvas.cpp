#include "Canvas.h"

#include <QPainter>
#include <algorithm>

namespace mirewalk {

Canvas::Canvas(QSize size, QColor background)
    : image_(size, QImage::Format_RGB32),
      background_(background)
{
    image_.fill(background_);
}

void Canvas::setPicture(const QImage& picture)
{
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    clear();
}

void Canvas::clear()
{
    image_.fill(background_);
    if (picture_.isNull())
        return;
    QPainter painter(&image_);
    painter.drawImage(0, 0, picture_);
}

bool blit(QImage& dst, int dx, int dy, int width, int height, const QImage& src, int sx, int sy,
          RasterOp op)
{
    // Cut the rectangle to what lies inside both the source and the destination.
    const int left = std::max({0, -dx, -sx});
    const int top = std::max({0, -dy, -sy});
    const int right = std::min({width, dst.width() - dx, src.width() - sx});
    const int bottom = std::min({height, dst.height() - dy, src.height() - sy});
    if (left >= right || top >= bottom)
        return false;

    const QImage source = src.format() == QImage::Format_RGB32
        ? src
        : src.convertToFormat(QImage::Format_RGB32);
    if (dst.format() != QImage::Format_RGB32)
        dst = dst.convertToFormat(QImage::Format_RGB32);

    for (int y = top; y < bottom; ++y) {
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(dy + y)) + dx;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy + y)) + sx;
        for (int x = left; x < right; ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            out[x] = op == RasterOp::Or ? (out[x] | colour) : (out[x] & colour);
        }
    }
    return true;
}

}  // namespace mirewalk
