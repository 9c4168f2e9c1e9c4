#include <gtest/gtest.h>

#include "Pixels.h"
#include "pictures/DrawHero.h"

using namespace mirewalk;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Grass = qRgb(40, 160, 60);

// A 42 x 58 sprite on white: red figure pixels in the middle columns, a black
// outline pixel at (20, 0) and (21, 57); its mask white over the figure.
struct TestSprites {
    QImage sprite{42, 58, QImage::Format_RGB32};
    QImage mask{42, 58, QImage::Format_RGB32};
    TestSprites()
    {
        QImage& s = sprite;
        QImage& m = mask;
        s.fill(White);
        m.fill(Black);
        for (int y = 0; y < 58; ++y)
            for (int x = 18; x < 24; ++x) {
                s.setPixel(x, y, Red);
                m.setPixel(x, y, White);
            }
        s.setPixel(20, 0, Black);
        s.setPixel(21, 57, Black);
        m.setPixel(21, 57, Black);  // under an outline the mask may be either
    }
    SpritePair pair() const { return {sprite, mask}; }
};

Canvas grassMap()
{
    QImage picture(326, 273, QImage::Format_RGB32);
    picture.fill(Grass);
    picture.setPixel(0, 0, qRgb(1, 2, 3));
    Canvas map(QSize(326, 273));
    map.setPicture(picture);
    return map;
}

Game heroAt(int x, int y)
{
    Game game;
    game.PlayerX = static_cast<int16_t>(x);
    game.PlayerY = static_cast<int16_t>(y);
    game.SpriteWidth = 42;
    game.SpriteHeight = 58;
    return game;
}

}  // namespace

TEST(DrawHero, MapShowsThroughTheWhiteBackgroundAndTheFigureIsOpaque)
{
    TestSprites sprites;
    Canvas map = grassMap();
    drawHero(map, sprites.pair(), heroAt(30, 52));

    EXPECT_EQ(map.image().pixel(30, 52), Grass);  // background corner
    EXPECT_EQ(map.image().pixel(30 + 41, 52 + 57), Grass);
    EXPECT_EQ(map.image().pixel(30 + 18, 52 + 10), Red);    // figure
    EXPECT_EQ(map.image().pixel(30 + 20, 52), Black);       // outline, mask white
    EXPECT_EQ(map.image().pixel(30 + 21, 52 + 57), Black);  // outline, mask black
    EXPECT_EQ(heroPixels(map), 6 * 58);
}

TEST(DrawHero, EachDrawClearsThePreviousHero)
{
    TestSprites sprites;
    Canvas map = grassMap();
    drawHero(map, sprites.pair(), heroAt(30, 52));
    drawHero(map, sprites.pair(), heroAt(100, 100));
    EXPECT_EQ(map.image().pixel(30 + 18, 52 + 10), Grass);
    EXPECT_EQ(map.image().pixel(100 + 18, 100 + 10), Red);
    EXPECT_EQ(heroPixels(map), 6 * 58);
}

TEST(DrawHero, IsCutOffAtThePictureEdges)
{
    TestSprites sprites;
    Canvas map = grassMap();

    drawHero(map, sprites.pair(), heroAt(326, 100));
    EXPECT_EQ(heroPixels(map), 0);
    drawHero(map, sprites.pair(), heroAt(100, 273));
    EXPECT_EQ(heroPixels(map), 0);

    drawHero(map, sprites.pair(), heroAt(100, 258));  // only the top 15 rows
    EXPECT_EQ(heroPixels(map), 6 * 15);
    EXPECT_EQ(map.image().pixel(100 + 18, 272), Red);

    drawHero(map, sprites.pair(), heroAt(300, 20));  // 26 of 42 columns show
    EXPECT_EQ(heroPixels(map), 6 * 58);
    drawHero(map, sprites.pair(), heroAt(305, 20));  // columns 18..20 only
    EXPECT_EQ(heroPixels(map), 3 * 58);
}

TEST(MoveHero, PaintsWhatAWholeDrawPaintsAtTheEdgesAndWhereTheRectanglesOverlap)
{
    TestSprites sprites;
    // From and to: steps whose rectangles overlap, a jump, across each edge, from outside.
    const QPoint moves[][2] = {{{30, 52}, {45, 52}},     {{30, 52}, {30, 37}},
                               {{30, 52}, {200, 150}},   {{300, 20}, {315, 20}},
                               {{-30, 100}, {-15, 100}}, {{100, 258}, {100, 273}},
                               {{326, 0}, {311, 0}},     {{0, -45}, {0, -30}}};
    for (const auto& [from, to] : moves) {
        Canvas moved = grassMap();
        const QRect previous = drawHero(moved, sprites.pair(), heroAt(from.x(), from.y()));
        const QRect area = moveHero(moved, sprites.pair(), heroAt(to.x(), to.y()), previous);
        Canvas whole = grassMap();
        EXPECT_EQ(area, drawHero(whole, sprites.pair(), heroAt(to.x(), to.y())));
        EXPECT_TRUE(moved.image() == whole.image())
            << from.x() << "," << from.y() << " to " << to.x() << "," << to.y();
    }
}
