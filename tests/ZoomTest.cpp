// The game at a whole zoom: every element at the game's size times the zoom,
// its pictures in whole blocks; and fullscreen left by Escape on the map only.

#include "GameFixture.h"
#include "widgets/GameWindow.h"
#include "widgets/Zoomed.h"

using namespace mirewalk;

namespace {

class ZoomTest : public GameFixture {
protected:
    GameWindow& window() const { return *static_cast<GameWindow*>(mapWindow->window()); }

    void TearDown() override { zoomLook(1); }  // the look is the application's, shared by the tests
};

// Whether a view shows each pixel of its image as a zoom by zoom block of its colour.
bool showsWholeBlocks(PictureView* view, int zoom)
{
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& image = view->canvas().image();
    if (shown.size() != image.size() * zoom)
        return false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != image.pixel(x / zoom, y / zoom))
                return false;
    return true;
}

}  // namespace

TEST_F(ZoomTest, EveryScreenGrowsWholeTimesAndItsPicturesInWholeBlocks)
{
    start();
    const QSize mapAtOne = window().size();
    const struct {
        int zoom;
        QRect map;
        int labelFont;
    } zooms[] = {{2, {240, 144, 652, 546}, 32}, {3, {360, 216, 978, 819}, 48}};
    for (const auto& z : zooms) {
        window().setZoom(z.zoom);
        EXPECT_EQ(window().size(), mapAtOne * z.zoom);
        EXPECT_EQ(mapView()->geometry(), z.map);
        EXPECT_EQ(element<Label>("frmGame", "Label1")->font().pixelSize(), z.labelFont);
        EXPECT_TRUE(showsWholeBlocks(mapView(), z.zoom)) << z.zoom;
    }
    press(Qt::Key_Right);  // a step is still 15 of the game's pixels
    EXPECT_EQ(boxes(), "45 52 1");
    walkIntoBattle(1);  // the battle is built at the zoom shown
    EXPECT_EQ(window().size(), QSize(1929, 1683));
    EXPECT_EQ(element("Battle", "BINFO")->geometry(), QRect(96, 864, 1683, 363));
    EXPECT_TRUE(showsWholeBlocks(element<PictureView>("Battle", "Picture2"), 3));
    window().setZoom(1);
    EXPECT_EQ(window().size(), QSize(643, 561));
}

TEST_F(ZoomTest, EscapeLeavesFullscreenOnTheMapAndRunsAwayInABattle)
{
    start();
    bool left = false;
    QObject::connect(&window(), &GameWindow::fullScreenLeft, [&left] { left = true; });
    window().setFullScreen(true);
    walkIntoBattle(1);
    QTest::keyClick(&window(), Qt::Key_Escape);
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_TRUE(window().fullScreen());
    EXPECT_TRUE(window().isFullScreen());
    press(Qt::Key_Escape);
    EXPECT_TRUE(left);
    EXPECT_FALSE(window().isFullScreen());
}
