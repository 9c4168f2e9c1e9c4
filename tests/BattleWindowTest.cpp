#include <QPlainTextEdit>

#include "Draws.h"
#include "GameFixture.h"
#include "windows/Battle.h"

using namespace mirewalk;

namespace {

class BattleWindow : public GameFixture {
protected:
    // Whether the battle window exists, looked up without touching it.
    static bool battleExists()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "Battle")
                return true;
        return false;
    }

    // Whether the map shows the hero from the front at its place.
    bool heroDrawnFromTheFront()
    {
        const QImage shown = window->Map->canvas().image();
        window->redrawHero(Facing::Front);
        return window->Map->canvas().image() == shown;
    }
};

std::string text(const QLabel* label) { return label->text().toStdString(); }

// The reports of exchanges whose two lines were both drawn with 0: the hero's
// first hit line, nine spaces, the monster's first hit or miss line.
const std::string BothHit =
    "You Bust the Monster's ass with the nearby stick you grabbed off of the ground!         "
    "The Monster slammed it's fist into your face and watches you fly into a nearby tree!";
const std::string HeroHits =
    "You Bust the Monster's ass with the nearby stick you grabbed off of the ground!         "
    "The Monster whipped y0 ass BEITCH with it's shoe laces and you just stand there puzzled.";

}  // namespace

TEST_F(BattleWindow, EveryElementHasItsPlaceFontAndColour)
{
    start();
    walkIntoBattle(1);
    Battle& b = battle();
    EXPECT_EQ(b.windowTitle(), "MONSTER APPEARED!!!");
    EXPECT_EQ(b.size(), QSize(643, 561));
    EXPECT_EQ(b.palette().color(QPalette::Window), QColor(Qt::black));

    struct Row {
        Label* label;
        const char* caption;
        QPoint position;
        int pixels;
        QColor colour;
    };
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), cyan(0, 255, 255),
        yellow(255, 255, 0);
    const Row rows[] = {
        {b.Label1, "CURRENT HP:", {16, 16}, 13, red},
        {b.lblHP, nullptr, {136, 16}, 13, red},
        {b.Label2, "MONSTER HP :", {416, 16}, 13, green},
        {b.lblMHP, nullptr, {536, 16}, 13, green},
        {b.lblMNAME, nullptr, {432, 80}, 16, green},
        {b.lblAttack, "LONG RANGED ATTACK", {64, 424}, 18, red},
        {b.lblCRA, "CLOSE RANGED ATTACK", {64, 448}, 18, blue},
        {b.lblDefend, "DEFEND", {64, 472}, 18, cyan},
        {b.lblITEM, "ITEM", {64, 496}, 18, green},
        {b.lblRUN, "RUN", {64, 520}, 18, yellow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label->objectName().toStdString());
        if (row.caption) {
            EXPECT_EQ(text(row.label), row.caption);
        }
        EXPECT_EQ(row.label->pos(), row.position);
        EXPECT_EQ(row.label->font().pixelSize(), row.pixels);
        EXPECT_TRUE(row.label->font().bold());
        EXPECT_EQ(row.label->palette().color(QPalette::WindowText), row.colour);
        EXPECT_EQ(row.label->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_GE(row.label->width(), row.label->sizeHint().width());  // fits its caption
    }
    EXPECT_TRUE(b.lblAttack->isHidden());
    EXPECT_TRUE(b.lblCRA->isVisible());
    EXPECT_LE(b.Label1->geometry().right(), 136);
    EXPECT_LE(b.Label2->geometry().right(), 536);

    EXPECT_EQ(b.Picture1->geometry(), QRect(32, 152, 65, 81));
    EXPECT_EQ(b.Picture2->geometry(), QRect(456, 152, 81, 81));
    EXPECT_EQ(b.BINFO->geometry(), QRect(32, 288, 561, 121));
    EXPECT_EQ(b.BINFO->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(b.BINFO->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(b.BINFO->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    // BINFO has the sunken frame of a text box: grey above and left, white below and right.
    const QImage binfo = b.BINFO->grab().toImage();
    EXPECT_EQ(QColor(binfo.pixel(0, 60)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(binfo.pixel(560, 60)), QColor(Qt::white));
    EXPECT_EQ(QColor(binfo.pixel(280, 60)), QColor(Qt::black));
    EXPECT_TRUE(offersNoMaximise(&b));
}

TEST_F(BattleWindow, TheFirstBattleFillsItsLabelsOnlyAfterTheAppearanceBox)
{
    start();
    game.CurHP = 17;
    std::vector<std::string> underTheBox;
    dialogs.onMessage = [&](const std::string& message) {
        if (message != "MONSTER HAS APPEARED")
            return;
        Battle& b = battle();
        underTheBox = {text(b.lblHP), text(b.lblMHP), text(b.lblMNAME)};
        EXPECT_TRUE(b.isVisible());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(b.Picture2->canvas().picture(), pictureFile("Monsters/sock.jpg"));
    };
    ASSERT_FALSE(battleExists());
    walkIntoBattle(4, {0.0f, 0.0f, LargestBelowOne});  // Smelly Sock with 24 HP
    EXPECT_EQ(underTheBox, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"MONSTER HAS APPEARED"});
    EXPECT_EQ(text(battle().lblHP), "17");
    EXPECT_EQ(text(battle().lblMHP), "24");
    EXPECT_EQ(text(battle().lblMNAME), "Smelly Sock");
    EXPECT_EQ(battle().Picture1->canvas().picture(), window->pictures().HD.picture());
}

TEST_F(BattleWindow, ETIsShownWithTheMainWindowsOwnPicture)
{
    start();
    walkIntoBattle(2);
    EXPECT_EQ(text(battle().lblMNAME), "E.T");
    EXPECT_EQ(battle().Picture2->canvas().picture(), window->pictures().EnemyL.picture());
}

TEST_F(BattleWindow, FightToVictoryThenRunFromTheNextMonster)
{
    start();
    game.AttackPower = 2;
    game.Defense = 0;
    game.CurHP = 20;
    walkIntoBattle(1);  // a Snake: defense 1, 3 HP, attack 1
    const std::size_t drawsBefore = random.draws();
    click(battle().lblDefend);  // DEFEND and ITEM do nothing
    click(battle().lblITEM);
    EXPECT_EQ(random.draws(), drawsBefore);
    EXPECT_EQ(text(battle().lblMHP), "3");

    random.feed({0.0f, 0.0f});  // the two lines of the report
    click(battle().lblCRA);
    EXPECT_EQ(text(battle().lblHP), "19");
    EXPECT_EQ(text(battle().lblMHP), "2");
    EXPECT_EQ(battle().BINFO->toPlainText().toStdString(), BothHit);
    click(battle().lblCRA);
    EXPECT_EQ(text(battle().lblMHP), "1");
    EXPECT_EQ(dialogs.messages.size(), 1u);  // still only the appearance box

    random.feed({0.0f, 0.0f, 0.0f, 0.0f});  // gold, experience, the two lines
    click(battle().lblCRA);                 // the third blow brings it to 0
    EXPECT_EQ(dialogs.messages.back(), "VICTORY!!!");
    EXPECT_FALSE(battle().isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(heroDrawnFromTheFront());
    EXPECT_EQ(game.Gold, 5);
    EXPECT_EQ(game.Experience, 10);
    EXPECT_EQ(text(battle().lblMHP), "0");  // written into the hidden window
    EXPECT_EQ(text(battle().lblHP), "18");
    EXPECT_EQ(battle().BINFO->toPlainText().toStdString(), HeroHits);

    // The next monster: the labels show the last fight until its box is closed.
    std::vector<std::string> underTheBox;
    dialogs.onMessage = [&](const std::string&) {
        underTheBox = {text(battle().lblHP), text(battle().lblMHP),
                       battle().BINFO->toPlainText().toStdString()};
    };
    walkIntoBattle(5);
    dialogs.onMessage = nullptr;
    EXPECT_EQ(underTheBox, (std::vector<std::string>{"18", "0", ""}));
    EXPECT_EQ(text(battle().lblMNAME), "Crazy Nimpho");

    const int16_t monsterHP = game.currentMonster().HP;
    const std::size_t draws = random.draws();
    click(battle().lblRUN);
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_FALSE(battle().isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(heroDrawnFromTheFront());
    EXPECT_EQ(game.CurHP, 18);
    EXPECT_EQ(game.currentMonster().HP, monsterHP);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(BattleWindow, EachCommandHasAKeyThatRunsWhatItsClickRuns)
{
    start();
    game.AttackPower = 4;
    game.LRDamage = 5;                                 // but no long-range weapon yet
    walkIntoBattle(1, {0.0f, LargestBelowOne, 0.0f});  // a Snake: defense 1, 12 HP
    Battle& b = battle();
    QApplication::setActiveWindow(&b);  // as the window system does
    const std::size_t draws = random.draws();
    for (const Qt::Key key : {Qt::Key_L, Qt::Key_D, Qt::Key_I})  // L while its label is hidden
        QTest::keyClick(&b, key);
    EXPECT_EQ(random.draws(), draws);
    random.feed({0.0f, 0.0f});  // the two lines of the report
    QTest::keyClick(&b, Qt::Key_C);
    EXPECT_EQ(text(b.lblMHP), "9");
    EXPECT_EQ(b.BINFO->toPlainText().toStdString(), HeroHits);
    QTest::keyClick(&b, Qt::Key_R);
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_FALSE(b.isVisible());

    game.LRWeaponOn = Truth::True;
    walkIntoBattle(1);  // a Snake of 3 HP
    QApplication::setActiveWindow(&b);
    QTest::keyClick(&b, Qt::Key_L);
    EXPECT_EQ(text(b.lblMHP), "-2");
    QTest::keyClick(&b, Qt::Key_Escape);  // runs away, as closing the window does
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(b.lblAttack->accessibleDescription(), "Key: L");
}

TEST_F(BattleWindow, TheLongRangedAttackStaysOfferedOnceTheWeaponIsOn)
{
    start();
    walkIntoBattle(1);
    EXPECT_TRUE(battle().lblAttack->isHidden());
    battle().close();  // closing it through its frame is running away
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_FALSE(battle().isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(heroDrawnFromTheFront());

    game.LRWeaponOn = Truth::True;
    game.LRDamage = 5;
    walkIntoBattle(1);  // a Snake of 3 HP
    ASSERT_TRUE(battle().lblAttack->isVisible());
    const std::string hp = text(battle().lblHP);
    click(battle().lblAttack);
    EXPECT_EQ(text(battle().lblMHP), "-2");
    EXPECT_EQ(text(battle().lblHP), hp);
    EXPECT_TRUE(battle().isVisible());  // a shot declares no victory
    click(battle().lblRUN);

    game.LRWeaponOn = Truth::False;  // nothing in the game does this; still the label stays
    walkIntoBattle(1);
    EXPECT_TRUE(battle().lblAttack->isVisible());
}

TEST_F(BattleWindow, TheHerosDeathEndsTheGameAfterItsMessage)
{
    start();
    game.CurHP = 5;
    game.Defense = 1;
    game.AttackPower = 1;
    walkIntoBattle(5, {LargestBelowOne, 0.0f, 0.0f});  // attack 23
    const std::string binfo = battle().BINFO->toPlainText().toStdString();
    int endedAtMessage = 0;
    dialogs.onMessage = [&](const std::string&) { endedAtMessage = dialogs.endStatus; };
    const std::size_t draws = random.draws();

    click(battle().lblCRA);
    EXPECT_EQ(dialogs.messages.back(), "YOU WERE KILLED BY A WEAK MONSTER!!!! GOODBYE!!");
    EXPECT_EQ(endedAtMessage, -1);  // the box came before the end
    EXPECT_EQ(dialogs.endStatus, 0);
    EXPECT_EQ(random.draws(), draws);  // no report was picked
    EXPECT_EQ(text(battle().lblHP), "5");
    EXPECT_EQ(battle().BINFO->toPlainText().toStdString(), binfo);

    // Nothing runs after the end.
    const std::size_t messages = dialogs.messages.size();
    battle().lblCRA_Click();
    battle().lblRUN_Click();
    window->Map_KeyDown(37);
    EXPECT_EQ(dialogs.messages.size(), messages);
    EXPECT_EQ(game.StepCount, 1);
}
