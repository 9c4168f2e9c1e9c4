#include "Canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

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

void Canvas::clear() { restore(image_.rect()); }

void Canvas::restore(const QRect& area)
{
    const QRect inside = area.intersected(image_.rect());
    const QRect pictured = inside.intersected(picture_.rect());
    if (pictured != inside) {  // a picture smaller than the view leaves the background there
        QPainter painter(&image_);
        painter.fillRect(inside, background_);
    }
    if (pictured.isEmpty())
        return;
    const qsizetype outStride = image_.bytesPerLine(), inStride = picture_.bytesPerLine();
    uchar* out = image_.bits() + pictured.top() * outStride + pictured.left() * 4;
    const uchar* in = picture_.constBits() + pictured.top() * inStride + pictured.left() * 4;
    for (int y = 0; y < pictured.height(); ++y, out += outStride, in += inStride)
        std::memcpy(out, in, static_cast<std::size_t>(pictured.width()) * 4);
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

    // Row by row, one loop for each operation, so that the compiler can work
    // on several pixels at once; the source counts as opaque.
    const qsizetype outStride = dst.bytesPerLine() / 4, inStride = source.bytesPerLine() / 4;
    QRgb* __restrict out = reinterpret_cast<QRgb*>(dst.bits()) + (dy + top) * outStride + dx;
    const QRgb* __restrict in = reinterpret_cast<const QRgb*>(source.constBits())
        + (sy + top) * inStride + sx;
    for (int y = top; y < bottom; ++y, out += outStride, in += inStride) {
        if (op == RasterOp::Or) {
            for (int x = left; x < right; ++x)
                out[x] |= in[x] | 0xff000000u;
        } else {
            for (int x = left; x < right; ++x)
                out[x] &= in[x] | 0xff000000u;
        }
    }
    return true;
}

}  // namespace mirewalk
