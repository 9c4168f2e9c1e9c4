// Checks the picture files the game loads: the sizes its windows are laid out
// for, the hero sprite/mask pairs it composites over the map (mask ORed in,
// then sprite ANDed), and the seams between neighbouring maps.

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xffffff;
constexpr QRgb kBlack = 0x000000;

QRgb rgb(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xffffff; }

// Loads a picture the way the game does (format decided from the content).
QImage load(const std::string& relative)
{
    const QString path = QStringLiteral(MIREWALK_SOURCE_DIR "/") + QString::fromStdString(relative);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    EXPECT_FALSE(img.isNull()) << relative << ": " << reader.errorString().toStdString();
    return img;
}

// Counts white pixels that cannot be reached from the border through white
// pixels: holes inside the figure, which the game would paint as white blotches.
int enclosedWhitePixels(const QImage& sprite)
{
    const int w = sprite.width(), h = sprite.height();
    std::vector<char> seen(size_t(w * h), 0);
    std::vector<std::pair<int, int>> todo;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[size_t(y * w + x)]
            || rgb(sprite, x, y) != kWhite)
            return;
        seen[size_t(y * w + x)] = 1;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        visit(x - 1, y);
        visit(x + 1, y);
        visit(x, y - 1);
        visit(x, y + 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            enclosed += rgb(sprite, x, y) == kWhite && !seen[size_t(y * w + x)];
    return enclosed;
}

// Largest colour difference between the two sides of a seam, comparing the
// average colour of 16-pixel stretches so the grass texture evens out. The
// lines start at (ax, ay) in a and (bx, by) in b and run n pixels along (dx, dy).
int seamDifference(const QImage& a, int ax, int ay, const QImage& b, int bx, int by, int dx, int dy,
                   int n)
{
    int worst = 0;
    for (int start = 0; start + 16 <= n; start += 8) {
        int sa[3] = {}, sb[3] = {};
        for (int i = start; i < start + 16; ++i) {
            const QRgb p = a.pixel(ax + i * dx, ay + i * dy), q = b.pixel(bx + i * dx, by + i * dy);
            sa[0] += qRed(p), sa[1] += qGreen(p), sa[2] += qBlue(p);
            sb[0] += qRed(q), sb[1] += qGreen(q), sb[2] += qBlue(q);
        }
        for (int c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(sa[c] - sb[c]) / 16);
    }
    return worst;
}

TEST(HeroSprites, MasksMatchSpritesPixelForPixel)
{
    for (const std::string name : {"HD", "LR"}) {
        SCOPED_TRACE(name);
        const QImage sprite = load("src/pictures/builtin/" + name + ".png");
        const QImage mask = load("src/pictures/builtin/" + name + "mask.png");
        ASSERT_EQ(sprite.size(), QSize(42, 58));
        ASSERT_EQ(mask.size(), QSize(42, 58));
        int figure = 0, wrong = 0;
        for (int y = 0; y < 58; ++y)
            for (int x = 0; x < 42; ++x) {
                const QRgb s = rgb(sprite, x, y), m = rgb(mask, x, y);
                // Any other mask value would tint the map around the hero.
                const bool ok = (m == kBlack || m == kWhite) &&
                    // White background must let the map through...
                    (s != kWhite || m == kBlack) &&
                    // ...and every coloured figure pixel must be cut out of it.
                    (s == kWhite || s == kBlack || m == kWhite);
                if (!ok && ++wrong <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") sprite " << std::hex << s
                                  << " mask " << m;
                figure += m == kWhite;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(figure, 42 * 58 / 4) << "the figure is missing or tiny";
        EXPECT_EQ(enclosedWhitePixels(sprite), 0) << "white pixels inside the figure";
    }
}

TEST(Maps, HaveTheMapWindowSizeAndMatchAcrossOpenEdges)
{
    // The four maps form a square: 2 | 3 above, 1 | 4 below.
    QImage m[5];
    for (int i = 1; i <= 4; ++i) {
        m[i] = load("Maps/M" + std::to_string(i) + ".jpg");
        ASSERT_EQ(m[i].size(), QSize(326, 273)) << "map " << i;
    }
    // Ground continues across the edges the hero walks through; a swapped or
    // redrawn map shows up as a seam well above the grass texture's variation.
    const int limit = 20;
    EXPECT_LT(seamDifference(m[2], 0, 272, m[1], 0, 0, 1, 0, 326), limit)
        << "map 2 bottom / map 1 top";
    EXPECT_LT(seamDifference(m[3], 0, 272, m[4], 0, 0, 1, 0, 326), limit)
        << "map 3 bottom / map 4 top";
    EXPECT_LT(seamDifference(m[2], 325, 0, m[3], 0, 0, 0, 1, 273), limit)
        << "map 2 right / map 3 left";
    EXPECT_LT(seamDifference(m[1], 325, 0, m[4], 0, 0, 0, 1, 273), limit)
        << "map 1 right / map 4 left";
}

TEST(OtherPictures, HaveTheSizesTheirWindowsExpect)
{
    for (const char* name : {"Snake", "Shoe", "sock", "nopic"}) {
        const QImage monster = load(std::string("Monsters/") + name + ".jpg");
        EXPECT_EQ(monster.size(), QSize(81, 81)) << name;
    }
    EXPECT_EQ(load("src/pictures/builtin/EnemyL.jpg").size(), QSize(42, 59));

    const QImage icon = load("dist/icons/64x64/mirewalk.png");
    EXPECT_EQ(icon.width(), icon.height());
    ASSERT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "icon background should be transparent";
}

}  // namespace
