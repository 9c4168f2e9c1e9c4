#include <gtest/gtest.h>

#include "pictures/Canvas.h"

using namespace mirewalk;

TEST(Blit, RasterOperationsPerChannel)
{
    QImage dst(2, 1, QImage::Format_RGB32);
    dst.setPixel(0, 0, qRgb(0x0f, 0xf0, 0x33));
    dst.setPixel(1, 0, qRgb(0x0f, 0xf0, 0x33));
    QImage src(1, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(0x30, 0x0f, 0x55));

    EXPECT_TRUE(blit(dst, 0, 0, 1, 1, src, 0, 0, RasterOp::Or));
    EXPECT_EQ(dst.pixel(0, 0), qRgb(0x3f, 0xff, 0x77));
    EXPECT_TRUE(blit(dst, 1, 0, 1, 1, src, 0, 0, RasterOp::And));
    EXPECT_EQ(dst.pixel(1, 0), qRgb(0x00, 0x00, 0x11));
    EXPECT_FALSE(blit(dst, 2, 0, 1, 1, src, 0, 0, RasterOp::And));
    EXPECT_FALSE(blit(dst, -1, 0, 1, 1, src, 0, 0, RasterOp::And));
}

TEST(Canvas, RestorePutsThePictureBackWithinTheAreaAndTheBackgroundBeyondThePicture)
{
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    Canvas canvas(QSize(6, 2), Qt::black);  // two columns beyond the picture
    canvas.setPicture(picture);
    canvas.image().fill(Qt::white);       // drawn over
    canvas.restore(QRect(3, 1, 10, 10));  // reaching out of the view
    std::string shown;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            shown += canvas.image().pixel(x, y) == qRgb(255, 255, 255) ? 'W'
                : canvas.image().pixel(x, y) == qRgb(10, 20, 30)       ? 'P'
                : canvas.image().pixel(x, y) == qRgb(0, 0, 0)          ? 'B'
                                                                       : '?';
    EXPECT_EQ(shown, "WWWWWWWWWPBB");
}
