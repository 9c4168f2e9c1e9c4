// artgen: draws every picture Mirewalk uses (the four maps, the hero sprites
// and their masks, the roaming enemy, the battle monsters and the desktop
// icons) and writes them into the repository. The output is deterministic:
// running it again produces byte-identical files.
//
// Usage: artgen <repo-root>

#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kBlue = 0xff0000ff;

constexpr int kMapW = 326, kMapH = 273;

using Shape = std::function<bool(int, int)>;

// Deterministic pseudo-random bits for a grid position, so textures are
// stable and continue seamlessly from one map into the next.
uint32_t noise(int x, int y, uint32_t salt)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + salt * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// Shape test for the ellipse with centre (cx, cy) and radii rx, ry.
Shape ellipse(double cx, double cy, double rx, double ry)
{
    return [=](int x, int y) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
}

// Shape test for the box with inclusive corners, its corners rounded by r.
Shape box(int x0, int y0, int x1, int y1, int r = 0)
{
    return [=](int x, int y) {
        if (x < x0 || x > x1 || y < y0 || y > y1)
            return false;
        const int dx = std::max({x0 + r - x, x - (x1 - r), 0});
        const int dy = std::max({y0 + r - y, y - (y1 - r), 0});
        return dx * dx + dy * dy <= r * r;
    };
}

// Shape test for an upward-pointing triangle with its tip at (cx, top).
Shape spike(double cx, int top, int height)
{
    return [=](int x, int y) {
        return y >= top && y < top + height && std::abs(x + 0.5 - cx) <= (y - top + 1) * 0.5;
    };
}

// Shape test covering both a and b.
Shape unite(Shape a, Shape b)
{
    return [=](int x, int y) { return a(x, y) || b(x, y); };
}

// Paints the pixels of `shape` with `fill` and its one-pixel rim with `rim`.
void part(QImage& img, const Shape& shape, QRgb fill, QRgb rim = kBlack)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!shape(x, y))
                continue;
            const bool edge = !shape(x - 1, y) || !shape(x + 1, y) || !shape(x, y - 1)
                || !shape(x, y + 1);
            img.setPixel(x, y, edge ? rim : fill);
        }
}

// Fills the inclusive box (x0, y0)-(x1, y1) with one colour, clipped to the image.
void rect(QImage& img, int x0, int y0, int x1, int y1, QRgb c)
{
    for (int y = std::max(y0, 0); y <= std::min(y1, img.height() - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, img.width() - 1); ++x)
            img.setPixel(x, y, c);
}

// Writes `text` with a tiny 3x5 pixel font (only the letters it needs), each
// font pixel drawn as a scale x scale block.
void pixelText(QImage& img, int x, int y, const char* text, int scale, QRgb c)
{
    struct Glyph {
        char ch;
        const char* rows[5];
    };
    static const Glyph font[] = {
        {'E', {"###", "#..", "##.", "#..", "###"}},
        {'x', {"...", "...", "#.#", ".#.", "#.#"}},
        {'i', {"#", ".", "#", "#", "#"}},
        {'t', {".#.", "###", ".#.", ".#.", "..#"}},
    };
    for (; *text; ++text) {
        const auto* g = std::find_if(std::begin(font), std::end(font),
                                     [&](const Glyph& f) { return f.ch == *text; });
        if (g == std::end(font))
            qFatal("pixelText: no glyph for '%c'", *text);
        const int w = int(std::strlen(g->rows[0]));
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < w; ++col)
                if (g->rows[row][col] == '#')
                    rect(img, x + col * scale, y + row * scale, x + (col + 1) * scale - 1,
                         y + (row + 1) * scale - 1, c);
        x += (w + 1) * scale;
    }
}

// ---------------------------------------------------------------- hero --

// Draws the hero seen from the front on a pure white background.
QImage heroFront()
{
    QImage img(42, 58, QImage::Format_RGB32);
    img.fill(kWhite);
    const QRgb shoe = qRgb(110, 56, 20);
    part(img, box(13, 40, 19, 53), kRed);  // legs
    part(img, box(22, 40, 28, 53), kRed);
    part(img, box(10, 51, 19, 56, 2), shoe);  // shoes
    part(img, box(22, 51, 31, 56, 2), shoe);
    part(img, box(10, 19, 31, 43, 4), kBlue);  // body
    rect(img, 11, 37, 30, 38, kBlack);         // belt and buckle
    rect(img, 19, 37, 22, 38, qRgb(255, 210, 0));
    part(img, box(4, 21, 10, 37, 2), kBlue);  // arms
    part(img, box(31, 21, 37, 37, 2), kBlue);
    part(img, ellipse(7.5, 39, 3.5, 3.5), kRed);  // gloves
    part(img, ellipse(34.5, 39, 3.5, 3.5), kRed);
    part(img, ellipse(21, 11, 9.5, 10), kRed);  // head
    rect(img, 16, 9, 17, 11, kBlack);           // eyes
    rect(img, 24, 9, 25, 11, kBlack);
    rect(img, 19, 15, 22, 15, qRgb(140, 0, 0));    // mouth
    rect(img, 14, 4, 15, 4, qRgb(255, 128, 128));  // shine
    rect(img, 13, 5, 13, 6, qRgb(255, 128, 128));
    return img;
}

// Draws the hero seen from the side (facing right) on a pure white background.
QImage heroSide()
{
    QImage img(42, 58, QImage::Format_RGB32);
    img.fill(kWhite);
    const QRgb shoe = qRgb(110, 56, 20);
    part(img, box(17, 40, 24, 53), kRed);                                         // leg
    part(img, box(16, 51, 30, 56, 2), shoe);                                      // shoe
    part(img, box(12, 19, 29, 43, 4), kBlue);                                     // body
    rect(img, 13, 37, 28, 38, kBlack);                                            // belt
    part(img, box(17, 22, 24, 37, 2), kBlue);                                     // arm
    part(img, ellipse(20.5, 39, 3.5, 3.5), kRed);                                 // glove
    part(img, unite(ellipse(20, 11, 9.5, 10), ellipse(30, 13, 2.5, 2.5)), kRed);  // head and nose
    rect(img, 25, 9, 26, 11, kBlack);                                             // eye
    rect(img, 25, 16, 27, 16, qRgb(140, 0, 0));                                   // mouth
    rect(img, 13, 4, 14, 4, qRgb(255, 128, 128));                                 // shine
    rect(img, 12, 5, 12, 6, qRgb(255, 128, 128));
    return img;
}

// Builds a sprite's mask: white under the figure, black on the white background.
QImage maskOf(const QImage& sprite)
{
    QImage mask(sprite.size(), QImage::Format_RGB32);
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            mask.setPixel(x, y, sprite.pixel(x, y) == kWhite ? kBlack : kWhite);
    return mask;
}

// Colour of one character in the small drawings of the hero below: the
// colours of heroFront, the background white.
QRgb heroColour(char c)
{
    switch (c) {
    case 'K': return kBlack;
    case 'R': return kRed;
    case 'B': return kBlue;
    case 'Y': return qRgb(255, 210, 0);    // buckle
    case 'S': return qRgb(110, 56, 20);    // shoes
    case 'M': return qRgb(140, 0, 0);      // mouth
    case 'P': return qRgb(255, 128, 128);  // shine
    default: return kWhite;
    }
}

// The hero drawn pixel by pixel for the icons too small for heroFront: 16
// pixels high, and 22.
const std::vector<const char*> kHero16 = {
    ".....KKKKKK.....", "....KPRRRRRK....", "...KRRKRRKRRK...", "...KRRKRRKRRK...",
    "...KRRRMMRRRK...", "....KKRRRRKK....", "..KKKKKKKKKKKK..", ".KBKBBBBBBBBKBK.",
    ".KBKBBBBBBBBKBK.", ".KBKKKKYYKKKKBK.", ".KRKBBBBBBBBKRK.", "..KKKKKKKKKKKK..",
    "....KRRKKRRK....", "....KRRKKRRK....", "...KSSSKKSSSK...", "...KKKKKKKKKK...",
};

const std::vector<const char*> kHero22 = {
    ".....KKKKKK.....", "....KPRRRRRK....", "...KPRRRRRRRK...", "...KRRKRRKRRK...",
    "...KRRKRRKRRK...", "...KRRRRRRRRK...", "...KRRRMMRRRK...", "....KKRRRRKK....",
    ".KKKKKKKKKKKKKK.", "KBBKBBBBBBBBKBBK", "KBBKBBBBBBBBKBBK", "KBBKBBBBBBBBKBBK",
    "KBBKBBBBBBBBKBBK", "KRRKKKKYYKKKKRRK", "KRRKBBBBBBBBKRRK", ".KKKBBBBBBBBKKK.",
    "...KKKKKKKKKK...", "....KRRKKRRK....", "....KRRKKRRK....", "...KSSSKKSSSK...",
    "...KSSSKKSSSK...", "...KKKKKKKKKK...",
};

// Turns a drawing, one character a pixel, into a picture.
QImage drawing(const std::vector<const char*>& rows, QRgb (*colour)(char))
{
    const int width = int(std::strlen(rows[0]));
    QImage img(width, int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        if (int(std::strlen(rows[y])) != width)
            qFatal("drawing row %d is not %d wide", y, width);
        for (int x = 0; x < width; ++x)
            img.setPixel(x, y, colour(rows[y][x]));
    }
    return img;
}

// Puts a figure on a white background in the middle of a transparent
// size x size icon, each of its pixels a scale x scale block, so the icon is
// as crisp as the figure.
QImage iconOf(const QImage& figure, int size, int scale = 1)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    const int left = (size - figure.width() * scale) / 2, top = (size - figure.height() * scale) / 2;
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x)
            if (figure.pixel(x, y) != kWhite)
                rect(icon, left + x * scale, top + y * scale, left + (x + 1) * scale - 1,
                     top + (y + 1) * scale - 1, figure.pixel(x, y));
    return icon;
}

// Draws the green creature that roams the maps, seen from the side facing left.
QImage enemy()
{
    QImage img(42, 59, QImage::Format_RGB32);
    img.fill(kBlack);
    const QRgb rim = qRgb(10, 70, 20), green = qRgb(70, 200, 70), dark = qRgb(40, 140, 50),
               light = qRgb(170, 240, 120);
    part(img, ellipse(35, 41, 7, 4), dark, rim);   // tail
    part(img, box(25, 43, 31, 56, 2), dark, rim);  // back leg
    const double spikeX[] = {22.5, 28.5, 33.5};
    const int spikeTop[] = {16, 18, 22};
    for (int i = 0; i < 3; ++i)  // back spikes
        part(img, spike(spikeX[i], spikeTop[i], 9), light, rim);
    part(img, ellipse(23, 35, 13, 12), green, rim);  // body
    part(img, ellipse(20, 40, 8, 6), light, light);  // belly
    part(img, box(11, 44, 17, 56, 2), dark, rim);    // front leg
    rect(img, 9, 55, 11, 56, light);                 // claws
    rect(img, 23, 55, 25, 56, light);
    part(img, ellipse(12, 17, 11, 9), green, rim);                   // head
    part(img, ellipse(11, 14, 3.5, 3.5), qRgb(240, 240, 200), rim);  // eye
    rect(img, 9, 14, 10, 15, kBlack);
    rect(img, 8, 9, 10, 9, rim);  // frowning brow
    rect(img, 11, 10, 13, 10, rim);
    rect(img, 2, 21, 14, 21, rim);  // mouth and teeth
    rect(img, 4, 22, 4, 22, light);
    rect(img, 8, 22, 8, 22, light);
    return img;
}

// ---------------------------------------------------------------- maps --

// World layout: map 2 | map 3 on top, map 1 | map 4 below. Blocked strips run
// round the outside of this 2x2 world; everything inside is open grass.
constexpr int kWorldW = 2 * kMapW, kWorldH = 2 * kMapH;
constexpr int kLeftEdge = 38, kTopEdge = 39, kRightEdge = kWorldW - 31, kBottomEdge = kMapH + 240;

// True where the world position lies on the earth strip along the outer border.
bool blocked(int x, int y)
{
    const auto jag = [](int v, uint32_t salt) { return int(noise(v / 4, 0, salt) % 3); };
    return x < kLeftEdge - jag(y, 1) || y < kTopEdge - jag(x, 2) || x >= kRightEdge + jag(y, 3)
        || y >= kBottomEdge + jag(x, 4);
}

// Paints the base ground: textured grass inside, earth strips at the border.
void paintGround(QImage& w)
{
    const QRgb grass[] = {qRgb(92, 164, 66), qRgb(86, 156, 62), qRgb(100, 172, 72),
                          qRgb(80, 148, 58)};
    const QRgb earth[] = {qRgb(138, 98, 58), qRgb(126, 88, 52), qRgb(148, 108, 66),
                          qRgb(116, 80, 46)};
    for (int y = 0; y < w.height(); ++y)
        for (int x = 0; x < w.width(); ++x) {
            const uint32_t n = noise(x / 2, y / 2, 7) % 10;
            const int shade = n < 6 ? 0 : n < 8 ? 1 : n < 9 ? 2 : 3;
            const bool b = blocked(x, y);
            const bool nearOther = blocked(x - 1, y) != b || blocked(x + 1, y) != b
                || blocked(x, y - 1) != b || blocked(x, y + 1) != b;
            if (b)
                w.setPixel(x, y, nearOther ? qRgb(96, 64, 36) : earth[shade]);
            else
                w.setPixel(x, y, nearOther ? qRgb(64, 124, 48) : grass[shade]);
        }
    // Grass tufts and pebbles, one chance per 14x14 cell.
    for (int cy = 0; cy < w.height() / 14 + 1; ++cy)
        for (int cx = 0; cx < w.width() / 14 + 1; ++cx) {
            const uint32_t h = noise(cx, cy, 11);
            const int x = cx * 14 + int(h >> 8) % 9, y = cy * 14 + int(h >> 16) % 9;
            if (h % 3 != 0 || blocked(x - 1, y) != blocked(x + 5, y + 3))
                continue;
            if (blocked(x, y)) {
                rect(w, x, y, x + 1, y, qRgb(176, 160, 132));
                rect(w, x, y + 1, x + 1, y + 1, qRgb(92, 62, 36));
                continue;
            }
            static const char* tuft[] = {"..#..", "#.#.#", ".###."};
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 5; ++c)
                    if (tuft[r][c] == '#')
                        rect(w, x + c, y + r, x + c, y + r, qRgb(52, 116, 40));
        }
}

// Scatters small clusters of flowers over the grass, one chance per 38x38 cell.
// Flowers sit on even coordinates and use 2x2 blocks so JPEG keeps their colour.
void paintFlowers(QImage& w)
{
    const QRgb petals[] = {qRgb(250, 226, 70), qRgb(244, 244, 250), qRgb(240, 100, 156),
                           qRgb(160, 116, 240)};
    static const char* flower[] = {".pp.", "pccp", "pccp", ".pp."};
    for (int cy = 0; cy < w.height() / 38 + 1; ++cy)
        for (int cx = 0; cx < w.width() / 38 + 1; ++cx) {
            const uint32_t h = noise(cx, cy, 21);
            const int x = (cx * 38 + 6 + int(h >> 8) % 24) & ~1,
                      y = (cy * 38 + 6 + int(h >> 16) % 24) & ~1;
            if (h % 3 != 0 || blocked(x - 8, y - 8) || blocked(x + 12, y + 12))
                continue;
            const QRgb p = petals[(h >> 4) % 4];
            for (int i = 0; i < 1 + int(h >> 24) % 3; ++i) {
                const int fx = x + (i == 1) * 6, fy = y + (i == 2) * 6 - (i == 1) * 2;
                for (int r = 0; r < 4; ++r)
                    for (int c = 0; c < 4; ++c)
                        if (flower[r][c] != '.')
                            rect(w, fx + c, fy + r, fx + c, fy + r,
                                 flower[r][c] == 'p' ? p : qRgb(236, 150, 30));
            }
        }
}

// Draws a small grey rock with a highlight.
void rock(QImage& w, int x, int y, int size)
{
    part(w, ellipse(x + 1, y + 2, size + 1, size * 0.6 + 1), qRgb(64, 116, 48), qRgb(64, 116, 48));
    part(w, ellipse(x, y, size, size * 0.7), qRgb(150, 148, 140), qRgb(70, 70, 72));
    rect(w, x - size / 2, y - size / 3, x - size / 2 + 1, y - size / 3, qRgb(200, 198, 190));
}

// Draws a round bush with a few red berries.
void bush(QImage& w, int x, int y)
{
    part(w, ellipse(x + 2, y + 4, 10, 6), qRgb(64, 116, 48), qRgb(64, 116, 48));
    part(w, ellipse(x, y, 10, 8), qRgb(44, 132, 54), qRgb(20, 70, 30));
    part(w, ellipse(x - 3, y - 3, 4, 3), qRgb(70, 162, 72), qRgb(70, 162, 72));
    for (const auto& [dx, dy] : {std::pair{-4, 2}, {3, -2}, {5, 3}, {0, 5}})
        rect(w, x + dx, y + dy, x + dx, y + dy, qRgb(210, 36, 48));
}

// Draws a small pond with a sandy rim and two lily pads.
void pond(QImage& w, int x, int y)
{
    part(w, ellipse(x, y, 30, 17), qRgb(206, 184, 124), qRgb(168, 146, 96));
    part(w, ellipse(x, y, 27, 14), qRgb(52, 104, 196), qRgb(32, 70, 140));
    rect(w, x - 14, y - 6, x - 6, y - 6, qRgb(132, 180, 238));
    rect(w, x + 4, y + 5, x + 12, y + 5, qRgb(132, 180, 238));
    part(w, ellipse(x + 12, y - 4, 4, 3), qRgb(70, 170, 70), qRgb(30, 100, 40));
    part(w, ellipse(x - 10, y + 5, 3, 2), qRgb(70, 170, 70), qRgb(30, 100, 40));
    rect(w, x + 12, y - 5, x + 13, y - 4, qRgb(240, 130, 180));
}

// Draws a cut tree stump, seen slightly from above.
void stump(QImage& w, int x, int y)
{
    part(w, ellipse(x + 3, y + 9, 11, 4), qRgb(64, 116, 48), qRgb(64, 116, 48));
    part(w, unite(box(x - 8, y, x + 8, y + 9), ellipse(x + 0.5, y + 9.5, 8.5, 3)),
         qRgb(120, 78, 40), qRgb(64, 38, 18));
    part(w, ellipse(x + 0.5, y + 0.5, 8.5, 4), qRgb(214, 170, 110), qRgb(64, 38, 18));
    part(w, ellipse(x + 0.5, y + 0.5, 4.5, 2), qRgb(186, 140, 86), qRgb(160, 112, 64));
}

// Draws a red-capped mushroom with a pale stem.
void mushroom(QImage& w, int x, int y)
{
    part(w, box(x - 1, y, x + 1, y + 4), qRgb(236, 226, 200), qRgb(120, 100, 80));
    part(w, ellipse(x + 0.5, y + 0.5, 4.5, 3), qRgb(220, 40, 40), qRgb(110, 20, 20));
    rect(w, x - 2, y - 1, x - 2, y - 1, qRgb(250, 240, 230));
    rect(w, x + 2, y, x + 2, y, qRgb(250, 240, 230));
}

// Map 2's corner: a stone wall running along its top and left strips.
void paintStoneWall(QImage& w)
{
    // Colour of a wall pixel, `along` and `across` measured from the wall's start.
    const auto stone = [](int along, int across) {
        const int row = across / 7, shifted = along + (row % 2) * 6;
        if (across % 7 == 6 || shifted % 12 == 11)
            return qRgb(78, 76, 74);  // mortar
        if (across % 7 == 0 || shifted % 12 == 0)
            return qRgb(196, 194, 186);  // lit stone edge
        const int tone = int(noise(shifted / 12, row, 31) % 3) * 10;
        return qRgb(140 + tone, 138 + tone, 132 + tone);
    };
    part(w, box(7, 7, 314, 35, 2), qRgb(84, 58, 34), qRgb(84, 58, 34));  // shadows
    part(w, box(7, 7, 35, 260, 2), qRgb(84, 58, 34), qRgb(84, 58, 34));
    const Shape top = box(4, 4, 311, 32, 2), left = box(4, 4, 32, 257, 2);
    for (int y = 0; y < kMapH; ++y)
        for (int x = 0; x < kMapW; ++x) {
            if (!top(x, y) && !left(x, y))
                continue;
            const Shape& s = top(x, y) ? top : left;
            if (!s(x - 1, y) || !s(x + 1, y) || !s(x, y - 1) || !s(x, y + 1))
                w.setPixel(x, y, qRgb(48, 46, 46));
            else
                w.setPixel(x, y, top(x, y) ? stone(x - 4, y - 4) : stone(y - 4, x - 4));
        }
}

// Map 3's top strip: a row of round trees.
void paintTrees(QImage& w)
{
    for (int i = 0; i < 10; ++i) {
        const int cx = kMapW + 24 + i * 27 + int(noise(i, 0, 41) % 5),
                  cy = 16 + int(noise(i, 1, 41) % 4);
        part(w, ellipse(cx + 3, cy + 6, 13, 11), qRgb(84, 58, 34), qRgb(84, 58, 34));  // shadow
        part(w, box(cx - 2, cy + 8, cx + 2, cy + 15), qRgb(110, 70, 36), qRgb(60, 36, 18));  // trunk
        part(w, ellipse(cx, cy, 13, 12), qRgb(38, 118, 52), qRgb(18, 64, 28));  // crown
        part(w, ellipse(cx - 4, cy - 4, 5, 4), qRgb(64, 152, 68), qRgb(64, 152, 68));
        part(w, ellipse(cx + 5, cy + 3, 4, 3), qRgb(54, 138, 60), qRgb(54, 138, 60));
    }
}

// Map 3's right strip: a river with a sandy bank and ripples.
void paintRiver(QImage& w)
{
    part(w, box(kRightEdge + 4, -10, kWorldW + 10, kMapH - 13, 8), qRgb(206, 184, 124),
         qRgb(168, 146, 96));
    const Shape water = box(kRightEdge + 7, -10, kWorldW + 10, kMapH - 16, 6);
    for (int y = 0; y < kMapH; ++y)
        for (int x = kRightEdge; x < kWorldW; ++x) {
            if (!water(x, y))
                continue;
            const bool edge = !water(x - 1, y) || !water(x, y + 1);
            const uint32_t h = noise(x / 5, y / 3, 51);
            QRgb c = h % 3 ? qRgb(52, 104, 196) : qRgb(46, 96, 186);
            if (h % 11 == 0 && y % 3 == 0)
                c = qRgb(132, 180, 238);
            w.setPixel(x, y, edge ? qRgb(32, 70, 140) : c);
        }
}

// Map 4's right and bottom strips: a wooden fence.
void paintFence(QImage& w)
{
    const QRgb wood = qRgb(176, 124, 70), rim = qRgb(76, 46, 22);
    const int ox = kMapW, oy = kMapH;                               // map 4's corner in the world
    part(w, box(ox + 8, oy + 249, ox + 306, oy + 251), wood, rim);  // bottom rails
    part(w, box(ox + 8, oy + 255, ox + 306, oy + 257), wood, rim);
    part(w, box(ox + 304, oy + 12, ox + 306, oy + 248), wood, rim);  // right rails
    part(w, box(ox + 311, oy + 12, ox + 313, oy + 248), wood, rim);
    for (int x = 8; x <= 280; x += 18)
        part(w, box(ox + x, oy + 245, ox + x + 5, oy + 260, 1), qRgb(150, 100, 54), rim);
    for (int y = 8; y <= 224; y += 18)
        part(w, box(ox + 303, oy + y, ox + 314, oy + y + 6, 1), qRgb(150, 100, 54), rim);
    part(w, box(ox + 302, oy + 243, ox + 315, oy + 260, 1), qRgb(150, 100, 54), rim);  // corner post
}

// Map 1's signpost near its right edge, marked "Exit".
void paintSign(QImage& w)
{
    const int oy = kMapH;  // map 1's top in the world
    part(w, ellipse(303, oy + 149, 9, 2.5), qRgb(64, 116, 48), qRgb(64, 116, 48));
    part(w, box(299, oy + 118, 305, oy + 149), qRgb(150, 100, 54), qRgb(72, 44, 20));
    part(w, box(284, oy + 102, 320, oy + 122, 2), qRgb(214, 172, 110), qRgb(72, 44, 20));
    rect(w, 286, oy + 120, 318, oy + 120, qRgb(176, 132, 78));
    pixelText(w, 290, oy + 107, "Exit", 2, qRgb(56, 30, 12));
}

// Renders the whole 2x2 world as one picture so the open edges match exactly.
QImage world()
{
    QImage w(kWorldW, kWorldH, QImage::Format_RGB32);
    paintGround(w);
    paintFlowers(w);
    paintStoneWall(w);
    paintTrees(w);
    paintRiver(w);
    paintFence(w);
    paintSign(w);
    bush(w, 62, 62);  // map 2
    bush(w, 84, 58);
    bush(w, 58, 84);
    rock(w, 190, 150, 4);
    pond(w, kMapW + 150, 150);  // map 3
    rock(w, kMapW + 60, 220, 3);
    rock(w, 110, kMapH + 90, 3);  // map 1
    rock(w, 190, kMapH + 185, 4);
    stump(w, kMapW + 200, kMapH + 110);  // map 4
    for (const auto& [dx, dy] : {std::pair{0, 0}, {9, 4}, {3, 10}})
        mushroom(w, kMapW + 90 + dx, kMapH + 175 + dy);
    return w;
}

// ------------------------------------------------------------- monsters --

// Colour of one character in the monster drawings below.
QRgb monsterColour(char c)
{
    switch (c) {
    case 'K': return qRgb(12, 12, 12);
    case 'W': return qRgb(240, 240, 232);
    case 'G': return qRgb(76, 204, 72);
    case 'g': return qRgb(34, 122, 48);
    case 'Y': return qRgb(236, 216, 92);
    case 'R': return qRgb(228, 40, 40);
    case 'M': return qRgb(110, 10, 24);
    case 'B': return qRgb(168, 96, 44);
    case 'b': return qRgb(96, 50, 20);
    case 'L': return qRgb(246, 236, 200);
    case 'S': return qRgb(204, 198, 188);
    case 's': return qRgb(128, 124, 120);
    case 'w': return qRgb(226, 226, 214);
    case 'v': return qRgb(160, 160, 150);
    case 'h': return qRgb(56, 44, 40);
    case 'y': return qRgb(186, 170, 96);
    case 'Z': return qRgb(150, 232, 90);
    case 'Q': return qRgb(236, 204, 72);
    case 'F': return qRgb(96, 96, 112);
    default: return kBlack;
    }
}

// Turns a 27x27 character drawing into an 81x81 picture (3x3 blocks per pixel).
QImage monster(const std::vector<const char*>& rows)
{
    const QImage small = drawing(rows, monsterColour);
    if (small.size() != QSize(27, 27))
        qFatal("monster drawing is not 27 x 27");
    return small.scaled(81, 81, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

const std::vector<const char*> kSnake = {
    "...........................", "..........ggggggg..........", "........ggGGGGGGGgg........",
    ".......gGGGgGGGgGGGg.......", "......gGGGGGGGGGGGGGg......", "......gGKKGGGGGGGKKGg......",
    "......gGYYKGGGGGKYYGg......", "......gGYKYGGGGGYKYGg......", ".......gGGGGGGGGGGGg.......",
    "........gMWMMMMMWMg........", ".........gMMMRMMMg.........", "..........ggGRGgg..........",
    "...........gYRYg...........", "..........gYRYRYg..........", "..........gGYYYGg..........",
    "......ggggGGYYYGGgggg......", "....ggGGGGGGgggGGGGGGgg....", "...gGGgGGGgg...ggGGGgGGg...",
    "...gGGGGGg.......gGGGGGg...", "....ggGGGGgggggggGGGGgg....", "..gggGGGGGGGGGGGGGGGGGggg..",
    ".gGGGGgGGGGgGGGGgGGGGgGGGg.", ".gGGGGGGGGGGGGGGGGGGGGGGGg.", "..gGGGGGGGGGGGGGGGGGGGGGg..",
    "...ggggggggggggggggggggg...", "...........................", "...........................",
};

const std::vector<const char*> kShoe = {
    "...........................", "...........................", ".............bbbbbbbbbb....",
    "............bBBBBBBBBBBb...", "............bBLBBBBBBBBb...", "...........bBBBLBBBBBBBb...",
    "...........bBLBBLBBBBBBb...", "..........bBBBLBBLBBBBBb...", "..........bBLBBLBBBBBBBb...",
    ".........bBBBBBBLBBBBBBb...", "......bbbBBBBBBBBBBBBBBb...", "....bbBBBBBBBBBBBBBBBBBb...",
    "...bBKKKBBBBKKKBBBBBBBBb...", "..bBBBWKKBBKKWBBBBBBBBBb...", "..bBBBWWKBBKWWBBBBBBBBBb...",
    "..bBBBWWWBBWWWBBBBBBBBBb...", "..bBBBBBBBBBBBBBBBBBBBBb...", "..bMMMMMMMMMBBBBBBBBBBBb...",
    "..bMWMWMWMWMMBBBBBBBBBBb...", "..bMMMMMMMMMMMBBBBBBBBBb...", "..bMWMWMWMWMWMMbbbbbbbbb...",
    "..sSSSSSSSSSSSSSSSSSSSSSs..", "..sSSSSSSSSSSSSSSSSSSSSSs..", "...sssssssssssssssssssss...",
    "...........................", "...........................", "...........................",
};

const std::vector<const char*> kSock = {
    "......Z......Z......Z......", ".....Z......Z......Z.......", ".....Z.......Z......Z......",
    "......Z.......Z......Z.....", ".......Z.....Z......Z......", "......Z.....Z......Z.......",
    "...........................", "........vvvvvvvvvvv........", "........wwwwwwwwwww........",
    "........RRRRRRRRRRR........", "........wwwwwwwwwww........", "........RRRRRRRRRRR........",
    "........wwwwwwwwwww........", "........wwKKKwwKKKw........", "........wwwKwwwwKww........",
    "........wwwwwwwwwww........", "........wwwKKKKKwwwv.......", ".......wwwKwwwwwKwwv.......",
    ".....wwwwwwwwwwwwwwv.......", "...wwwwwwwwyyywwwwwv.......", "..wwwwwwwwwyywwwwwwv.......",
    "..whhwwwwwwwwwwwwwv........", "..vwwwwwwwwwwwwwwvv........", "...vvvvvvvvvvvvvv..........",
    "...........................", "...........................", "...........................",
};

const std::vector<const char*> kNoPicture = {
    "...........................", ".FF.FFF.FFF.FFF.FFF.FFF.FF.", ".F.......................F.",
    "...........................", ".F.......................F.", ".F........QQQQQQQ........F.",
    ".F......QQQQQQQQQQQ......F.", ".......QQQQ.....QQQQ.......", ".F.....QQQ.......QQQ.....F.",
    ".F...............QQQ.....F.", ".F..............QQQ......F.", "...............QQQ.........",
    ".F............QQQ........F.", ".F..........QQQQ.........F.", ".F..........QQQ..........F.",
    "............QQQ............", ".F.......................F.", ".F.......................F.",
    ".F..........QQQ..........F.", "............QQQ............", ".F..........QQQ..........F.",
    ".F.......................F.", ".F.......................F.", "...........................",
    ".F.......................F.", ".FF.FFF.FFF.FFF.FFF.FFF.FF.", "...........................",
};

// Saves a picture, reporting failure on stderr.
bool save(const QImage& img, const QString& root, const QString& rel, const char* format,
          int quality = -1)
{
    const QString path = root + '/' + rel;
    QDir().mkpath(path.section('/', 0, -2));
    if (img.save(path, format, quality))
        return true;
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

// Draws every picture and writes it below the repository root given as argument.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <repo-root>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    const QImage w = world();
    ok &= save(w.copy(0, kMapH, kMapW, kMapH), root, "Maps/M1.jpg", "JPG", 95);
    ok &= save(w.copy(0, 0, kMapW, kMapH), root, "Maps/M2.jpg", "JPG", 95);
    ok &= save(w.copy(kMapW, 0, kMapW, kMapH), root, "Maps/M3.jpg", "JPG", 95);
    ok &= save(w.copy(kMapW, kMapH, kMapW, kMapH), root, "Maps/M4.jpg", "JPG", 95);

    const QImage front = heroFront(), side = heroSide();
    ok &= save(front, root, "src/pictures/builtin/HD.png", "PNG");
    ok &= save(maskOf(front), root, "src/pictures/builtin/HDmask.png", "PNG");
    ok &= save(side, root, "src/pictures/builtin/LR.png", "PNG");
    ok &= save(maskOf(side), root, "src/pictures/builtin/LRmask.png", "PNG");
    // The desktop icons: the full hero from 64 up, the small drawings below.
    const QImage hero16 = drawing(kHero16, heroColour), hero22 = drawing(kHero22, heroColour);
    const std::pair<int, QImage> icons[] = {
        {16, iconOf(hero16, 16)},     {22, iconOf(hero22, 22)},     {24, iconOf(hero22, 24)},
        {32, iconOf(hero16, 32, 2)},  {48, iconOf(hero22, 48, 2)},  {64, iconOf(front, 64)},
        {128, iconOf(front, 128, 2)}, {256, iconOf(front, 256, 4)},
    };
    for (const auto& [size, icon] : icons)
        ok &= save(icon, root, QString("dist/icons/%1x%1/mirewalk.png").arg(size), "PNG");
    ok &= save(enemy(), root, "src/pictures/builtin/EnemyL.jpg", "JPG", 95);

    ok &= save(monster(kSnake), root, "Monsters/Snake.jpg", "JPG", 95);
    ok &= save(monster(kShoe), root, "Monsters/Shoe.jpg", "JPG", 95);
    ok &= save(monster(kSock), root, "Monsters/sock.jpg", "JPG", 95);
    ok &= save(monster(kNoPicture), root, "Monsters/nopic.jpg", "JPG", 95);
    return ok ? 0 : 1;
}
