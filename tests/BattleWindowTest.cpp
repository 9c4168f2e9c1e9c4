#include <QPlainTextEdit>

#include "Draws.h"
#include "GameFixture.h"
#include "MessageLines.h"

using namespace mirewalk;

namespace {

class BattleWindowTest : public GameFixture {
protected:
    // The map at the start: the hero at (30, 52) from the front, where a
    // battle met at the stop of the left edge returns to.
    QImage atTheStart;

    void start()
    {
        GameFixture::start();
        atTheStart = mapImage();
    }

    static Label* label(const char* name) { return element<Label>("Battle", name); }
    static std::string text(const char* name) { return label(name)->text().toStdString(); }
    static std::string report()
    {
        return element<QPlainTextEdit>("Battle", "BINFO")->toPlainText().toStdString();
    }
    static const Canvas& picture(const char* name)
    {
        return element<PictureView>("Battle", name)->canvas();
    }
};

// The reports of exchanges whose two lines were both drawn with 0: the hero's
// first hit line, nine spaces, the monster's first hit or miss line.
const std::string BothHit = PlayerHitLines[0] + "         " + MonsterHitLines[0];
const std::string HeroHits = PlayerHitLines[0] + "         " + MonsterMissLines[0];

}  // namespace

TEST_F(BattleWindowTest, EveryElementHasItsPlaceFontAndColour)
{
    start();
    walkIntoBattle(1);
    QWidget& b = battle();
    EXPECT_EQ(b.window()->windowTitle(), "MONSTER APPEARED!!!");
    EXPECT_EQ(b.palette().color(QPalette::Window), QColor(Qt::black));

    struct Row {
        const char* name;
        const char* caption;
        int pixels;
        QColor colour;
    };
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), cyan(0, 255, 255),
        yellow(255, 255, 0);
    const Row rows[] = {
        {"Label1", "CURRENT HP:", 13, red},
        {"lblHP", nullptr, 13, red},
        {"Label2", "MONSTER HP :", 13, green},
        {"lblMHP", nullptr, 13, green},
        {"lblMNAME", nullptr, 16, green},
        {"lblAttack", "LONG RANGED ATTACK", 18, red},
        {"lblCRA", "CLOSE RANGED ATTACK", 18, blue},
        {"lblDefend", "DEFEND", 18, cyan},
        {"lblITEM", "ITEM", 18, green},
        {"lblRUN", "RUN", 18, yellow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Label* shown = label(row.name);
        if (row.caption) {
            EXPECT_EQ(text(row.name), row.caption);
        }
        EXPECT_EQ(shown->font().pixelSize(), row.pixels);
        EXPECT_TRUE(shown->font().bold());
        EXPECT_EQ(shown->palette().color(QPalette::WindowText), row.colour);
        EXPECT_EQ(shown->palette().color(QPalette::Window), QColor(Qt::black));
    }
    EXPECT_TRUE(label("lblAttack")->isHidden());
    EXPECT_EQ(layoutFaults(&b), "");
    label("lblAttack")->show();  // as it shows once the weapon is on
    EXPECT_EQ(layoutFaults(&b), "");
    QPlainTextEdit* box = element<QPlainTextEdit>("Battle", "BINFO");
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    // BINFO has the sunken frame of a text box: grey above and left, white below and right.
    const QImage binfo = box->grab().toImage();
    EXPECT_EQ(QColor(binfo.pixel(0, 60)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(binfo.pixel(560, 60)), QColor(Qt::white));
    EXPECT_EQ(QColor(binfo.pixel(280, 60)), QColor(Qt::black));
}

TEST_F(BattleWindowTest, TheFirstBattleFillsItsLabelsOnlyAfterTheAppearanceBox)
{
    start();
    game.CurHP = 17;
    std::vector<std::string> underTheBox;
    dialogs.onMessage = [&](const std::string& message) {
        if (message != "MONSTER HAS APPEARED")
            return;
        QWidget& b = battle();
        underTheBox = {text("lblHP"), text("lblMHP"), text("lblMNAME")};
        EXPECT_TRUE(b.isVisible());
        EXPECT_FALSE(mapWindow->isVisible());
        EXPECT_EQ(picture("Picture2").picture(), pictureFile("Monsters/sock.jpg"));
    };
    ASSERT_EQ(screenNamed("Battle"), nullptr);         // built the first time it opens
    walkIntoBattle(4, {0.0f, 0.0f, LargestBelowOne});  // Smelly Sock with 24 HP
    EXPECT_EQ(underTheBox, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"MONSTER HAS APPEARED"});
    EXPECT_EQ(text("lblHP"), "17");
    EXPECT_EQ(text("lblMHP"), "24");
    EXPECT_EQ(text("lblMNAME"), "Smelly Sock");
    EXPECT_EQ(picture("Picture1").picture(), pictureFile("src/pictures/builtin/HD.png"));
}

TEST_F(BattleWindowTest, ETIsShownWithItsBuiltInPicture)
{
    start();
    walkIntoBattle(2);
    EXPECT_EQ(text("lblMNAME"), "E.T");
    EXPECT_EQ(picture("Picture2").picture(), pictureFile("src/pictures/builtin/EnemyL.jpg"));
}

TEST_F(BattleWindowTest, FightToVictoryThenRunFromTheNextMonster)
{
    start();
    game.AttackPower = 2;
    game.Defense = 0;
    game.CurHP = 20;
    walkIntoBattle(1);  // a Snake: defense 1, 3 HP, attack 1
    const std::size_t drawsBefore = random.draws();
    click(label("lblDefend"));  // DEFEND and ITEM do nothing
    click(label("lblITEM"));
    EXPECT_EQ(random.draws(), drawsBefore);
    EXPECT_EQ(text("lblMHP"), "3");

    random.feed({0.0f, 0.0f});  // the two lines of the report
    click(label("lblCRA"));
    EXPECT_EQ(text("lblHP"), "19");
    EXPECT_EQ(text("lblMHP"), "2");
    EXPECT_EQ(report(), BothHit);
    click(label("lblCRA"));
    EXPECT_EQ(text("lblMHP"), "1");
    EXPECT_EQ(dialogs.messages.size(), 1u);  // still only the appearance box

    random.feed({0.0f, 0.0f, 0.0f, 0.0f});  // gold, experience, the two lines
    click(label("lblCRA"));                 // the third blow brings it to 0
    EXPECT_EQ(dialogs.messages.back(), "VICTORY!!!");
    EXPECT_FALSE(battle().isVisible());
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_EQ(mapImage(), atTheStart);
    EXPECT_EQ(text("lblMHP"), "0");  // written before the window hid
    EXPECT_EQ(text("lblHP"), "18");
    EXPECT_EQ(report(), HeroHits);

    // The next monster: the labels show the last fight until its box is closed.
    std::vector<std::string> underTheBox;
    dialogs.onMessage = [&](const std::string&) {
        underTheBox = {text("lblHP"), text("lblMHP"), report()};
    };
    walkIntoBattle(5);
    dialogs.onMessage = nullptr;
    EXPECT_EQ(underTheBox, (std::vector<std::string>{"18", "0", ""}));
    EXPECT_EQ(text("lblMNAME"), "Crazy Nimpho");

    const int16_t monsterHP = game.currentMonster().HP;
    const std::size_t draws = random.draws();
    click(label("lblRUN"));
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_FALSE(battle().isVisible());
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_EQ(mapImage(), atTheStart);
    EXPECT_EQ(game.CurHP, 18);
    EXPECT_EQ(game.currentMonster().HP, monsterHP);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(BattleWindowTest, EachCommandHasAKeyThatRunsWhatItsClickRuns)
{
    start();
    game.AttackPower = 4;
    game.LRDamage = 5;                                 // but no long-range weapon yet
    walkIntoBattle(1, {0.0f, LargestBelowOne, 0.0f});  // a Snake: defense 1, 12 HP
    QWidget& b = battle();
    QApplication::setActiveWindow(&b);  // as the window system does
    const std::size_t draws = random.draws();
    for (const Qt::Key key : {Qt::Key_L, Qt::Key_D, Qt::Key_I})  // L while its label is hidden
        QTest::keyClick(&b, key);
    EXPECT_EQ(random.draws(), draws);
    random.feed({0.0f, 0.0f});  // the two lines of the report
    QTest::keyClick(&b, Qt::Key_C);
    EXPECT_EQ(text("lblMHP"), "9");
    EXPECT_EQ(report(), HeroHits);
    QTest::keyClick(&b, Qt::Key_R);
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_FALSE(b.isVisible());
    EXPECT_EQ(label("lblAttack")->accessibleDescription(), "Key: L");
}

TEST_F(BattleWindowTest, TheLongRangedAttackStaysOfferedOnceTheWeaponIsOn)
{
    start();
    walkIntoBattle(1);
    EXPECT_TRUE(label("lblAttack")->isHidden());
    battle().window()->close();  // closing the window through its frame is running away
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_FALSE(battle().isVisible());
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_EQ(mapImage(), atTheStart);

    game.LRWeaponOn = Truth::True;
    game.LRDamage = 5;
    walkIntoBattle(1);  // a Snake of 3 HP
    ASSERT_TRUE(label("lblAttack")->isVisible());
    const std::string hp = text("lblHP");
    click(label("lblAttack"));
    EXPECT_EQ(text("lblMHP"), "-2");
    QApplication::setActiveWindow(&battle());  // as the window system does
    QTest::keyClick(&battle(), Qt::Key_L);     // its key shoots as its click does
    EXPECT_EQ(text("lblMHP"), "-7");
    EXPECT_EQ(text("lblHP"), hp);
    EXPECT_TRUE(battle().isVisible());           // a shot declares no victory
    QTest::keyClick(&battle(), Qt::Key_Escape);  // runs away, as closing the window does
    EXPECT_EQ(dialogs.messages.back(), "You Ran Away!!!");
    EXPECT_TRUE(mapWindow->isVisible());

    game.LRWeaponOn = Truth::False;  // nothing in the game does this; still the label stays
    walkIntoBattle(1);
    EXPECT_TRUE(label("lblAttack")->isVisible());
}

TEST_F(BattleWindowTest, AMonstersPictureThatCannotBeReadIsReportedOverTheMap)
{
    startWithACutPicture("Monsters/Snake.jpg");
    bool mapUnderTheReport = false;
    dialogs.onMessage = [&](const std::string&) { mapUnderTheReport = mapWindow->isVisible(); };
    random.feed({0.0f, drawFor(1, 5, 1), 0.0f, 0.0f, 0.0f});
    press(Qt::Key_Left, 6);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Run-time error '481':\n\nInvalid picture: "
                                       + copy.filePath("Monsters/Snake.jpg").toStdString()});
    EXPECT_TRUE(mapUnderTheReport);
    EXPECT_EQ(dialogs.endStatus, 1);
}

TEST_F(BattleWindowTest, TheHerosDeathEndsTheGameAfterItsMessage)
{
    start();
    game.CurHP = 5;
    game.Defense = 1;
    game.AttackPower = 1;
    walkIntoBattle(5, {LargestBelowOne, 0.0f, 0.0f});  // attack 23
    const std::string binfo = report();
    int endedAtMessage = 0;
    dialogs.onMessage = [&](const std::string&) { endedAtMessage = dialogs.endStatus; };
    const std::size_t draws = random.draws();

    click(label("lblCRA"));
    EXPECT_EQ(dialogs.messages.back(), "YOU WERE KILLED BY A WEAK MONSTER!!!! GOODBYE!!");
    EXPECT_EQ(endedAtMessage, -1);  // the box came before the end
    EXPECT_EQ(dialogs.endStatus, 0);
    EXPECT_EQ(random.draws(), draws);  // no report was picked
    EXPECT_EQ(text("lblHP"), "5");
    EXPECT_EQ(report(), binfo);
}

// ---- Clicks that come after the battle window has hidden ----

class LateClick : public GameFixture {
protected:
    // Every command of the battle window, clicked with the mouse, pressed by
    // its key (while the map shows: over another window the keys are its
    // own), then sent by code as a stale click would be, then the window
    // closed through its frame.
    void clickEveryCommand()
    {
        QWidget& b = battle();
        for (const char* label : {"lblAttack", "lblCRA", "lblDefend", "lblITEM", "lblRUN"})
            click(element<Label>("Battle", label));
        for (const Qt::Key key : {Qt::Key_L, Qt::Key_C, Qt::Key_R, Qt::Key_Escape})
            if (mapWindow->isVisible())
                QTest::keyClick(&b, key);
        for (const char* label : {"lblAttack", "lblCRA", "lblRUN"})
            emit element<Label>("Battle", label)->clicked();
        b.close();
    }
};

TEST_F(LateClick, AfterAVictoryFightsNoDeadMonsterAgain)
{
    start();
    game.AttackPower = 50;
    game.LRWeaponOn = Truth::True;
    game.LRDamage = 3;
    walkIntoBattle(1);
    click(element<Label>("Battle", "lblCRA"));  // a Snake of 3 HP falls at the first blow
    ASSERT_EQ(dialogs.messages.back(), "VICTORY!!!");
    ASSERT_FALSE(battle().isVisible());
    const auto afterVictory = stateOf(game);
    const std::size_t draws = random.draws(), messages = dialogs.messages.size();
    const QString binfo = element<QPlainTextEdit>("Battle", "BINFO")->toPlainText();

    clickEveryCommand();
    EXPECT_EQ(stateOf(game), afterVictory);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(dialogs.messages.size(), messages);
    EXPECT_EQ(element<QPlainTextEdit>("Battle", "BINFO")->toPlainText(), binfo);
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_FALSE(battle().isVisible());
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(LateClick, AfterRunningAwayNeitherFightsNorShowsTheMapOverAnotherWindow)
{
    start();
    game.LRWeaponOn = Truth::True;
    game.LRDamage = 1;
    walkIntoBattle(5);
    click(element<Label>("Battle", "lblRUN"));
    random.feed({0.9f});
    choose(Qt::Key_C, Qt::Key_I);
    ASSERT_TRUE(screenNamed("frmInventory")->isVisible());
    const auto before = stateOf(game);
    const std::size_t messages = dialogs.messages.size();

    clickEveryCommand();
    EXPECT_EQ(stateOf(game), before);
    EXPECT_EQ(dialogs.messages.size(), messages);
    EXPECT_TRUE(screenNamed("frmInventory")->isVisible());
    EXPECT_FALSE(mapWindow->isVisible());
    EXPECT_FALSE(battle().isVisible());
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(LateClick, ACloseRequestToTheHiddenMapDoesNothing)
{
    start();
    walkIntoBattle(1);
    mapWindow->close();  // as a window manager asks a hidden window to close
    EXPECT_EQ(dialogs.endStatus, -1);
    EXPECT_TRUE(battle().isVisible());
}
