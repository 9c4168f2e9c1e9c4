#include "GameFixture.h"
#include "windows/QtDialogs.h"
#include <QFontMetrics>

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

// ---- Names at the prompt ----

struct Name {
    const char* label;
    std::string text;
    const char* shown = nullptr;  // as the stats show it, when not as typed
};
// Names the case in the test output.
void PrintTo(const Name& name, std::ostream* out) { *out << name.label; }

class HostileName : public GameFixture, public ::testing::WithParamInterface<Name> {};

TEST_P(HostileName, IsKeptAsTypedAndShownInTheStats)
{
    dialogs.name = GetParam().text;
    start();

    choose(Qt::Key_C, Qt::Key_S);
    ASSERT_TRUE(screenNamed("frmStats")->isVisible());
    Label* name = element<Label>("frmStats", "lblName");
    const QString shown = QString::fromStdString(GetParam().shown ? GetParam().shown
                                                                  : GetParam().text);
    EXPECT_EQ(game.PlayerName, GetParam().text);
    EXPECT_EQ(name->text(), shown);
    // The label is as wide as its whole caption, up to the largest widget width.
    const QRect room(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int wanted = QFontMetrics(name->font()).boundingRect(room, 0, shown).width();
    EXPECT_GE(name->width(), std::min(wanted, QWIDGETSIZE_MAX));
    name->repaint();  // painting it must not fail either

    click(element<Label>("frmStats", "lblBACK"));
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.endStatus, -1);
}

INSTANTIATE_TEST_SUITE_P(
    AtThePrompt, HostileName,
    ::testing::Values(
        Name{"Empty", ""}, Name{"OneCharacter", "W"}, Name{"Spaces", "  Sir  Wade "},
        Name{"Accents", "Zoë Ångström 勇者"}, Name{"Markup", "<b>Tom</b> & Jerry"},
        Name{"LongestNameThePromptTakes", std::string(MaxNameLength, 'm')},
        Name{"ControlCharactersAndLineBreaks",
             std::string("a\0b\tc\nd\re\x1b[31mf\x7f\u2028g\u0085h", 23), "a b c d e [31mf  g h"},
        Name{"RightToLeft", "\u202eWren \u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627"},
        Name{"Emoji", "\U0001F9D9\u200D\u2642\uFE0F Wren \U0001F40D\U0001F3F3\uFE0F\u200D\U0001F308"}),
    [](const auto& info) { return std::string(info.param.label); });
