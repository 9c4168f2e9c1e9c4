#include "GameFixture.h"

using namespace mirewalk;

namespace {

class StatsWindowTest : public GameFixture {
protected:
    static Label* label(const char* name) { return element<Label>("frmStats", name); }
};

}  // namespace

TEST_F(StatsWindowTest, StatsAreWrittenAfreshAtEveryOpening)
{
    start();
    choose(Qt::Key_C, Qt::Key_S);
    QWidget& stats = *screenNamed("frmStats");
    EXPECT_TRUE(stats.isVisible());
    EXPECT_FALSE(mapWindow->isVisible());
    EXPECT_EQ(label("lblLevel")->text(), "1");
    click(label("lblBACK"));

    // After a level-up: the threshold itself, not what is still missing.
    game.Experience = 250;
    game.Level = 2;
    game.NextLevelExp = 517;
    game.MaxHP = 31;
    game.CurHP = 7;
    game.Strength = 11;
    game.Defense = -4;
    choose(Qt::Key_C, Qt::Key_S);
    const QStringList shown{label("lblExperience")->text(),  label("lblLevel")->text(),
                            label("lblToNextLevel")->text(), label("lblMHP")->text(),
                            label("lblCHP")->text(),         label("lblStrength")->text(),
                            label("lblDefense")->text()};
    EXPECT_EQ(shown, QStringList({"250", "2", "517", "31", "7", "11", "-4"}));
}

TEST_F(StatsWindowTest, StatsPortraitIsTheFrontPictureClippedToItsBox)
{
    start();
    press(Qt::Key_Right);  // the map now shows the hero from the side
    choose(Qt::Key_C, Qt::Key_S);
    const QImage& portrait = element<PictureView>("frmStats", "charpic")->canvas().image();
    ASSERT_EQ(portrait.size(), QSize(57, 57));
    // HD is 42 x 58: its top 57 rows unscaled at the left, black beside them.
    EXPECT_EQ(portrait.copy(0, 0, 42, 57),
              pictureFile("src/pictures/builtin/HD.png").copy(0, 0, 42, 57));
    QImage black(15, 57, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(portrait.copy(42, 0, 15, 57), black);
}
