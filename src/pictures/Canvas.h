#pragma once
// The persistent image of a picture view: the picture it was given, and the
// image that drawing goes into. Clearing puts the picture back as the whole
// image. The image survives while its window is hidden.

#include <QColor>
#include <QImage>
#include <QSize>

namespace mirewalk {

class Canvas {
public:
    explicit Canvas(QSize size = {}, QColor background = Qt::black);

    // Makes picture the view's picture and clears the image to it.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // The image becomes the picture alone, drawn unscaled at the top-left
    // corner over the background.
    void clear();
    // The same within area only: the rest of the image stays as it is.
    void restore(const QRect& area);

    // The image, and the drawing surface for bit-block transfers: whoever
    // draws on it repaints its view (PictureView::refresh).
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    QSize size() const { return image_.size(); }

private:
    QImage picture_;
    QImage image_;
    QColor background_;
};

// The raster operations of the bit-block transfer, per pixel and channel.
enum class RasterOp {
    Or,   // destination = destination OR source (the mask's SRCPAINT)
    And,  // destination = destination AND source (the sprite's SRCAND)
};

// The bit-block transfer: combines a width x height rectangle of src at
// (sx, sy) into dst at (dx, dy) with op. Parts outside either image are cut
// off. Returns false when nothing at all was transferred.
bool blit(QImage& dst, int dx, int dy, int width, int height, const QImage& src, int sx, int sy,
          RasterOp op);

}  // namespace mirewalk
