// The game has no timer and no loop of its own: once the window system has
// nothing left to do, no timer may be running anywhere in the program, so the
// game sits at zero CPU while the player thinks.

#include "GameFixture.h"
#include "IdleTimers.h"

using namespace mirewalk;

namespace {

class Idle : public GameFixture {
protected:
    void expectNoTimerAfter(const char* what)
    {
        settleUntilIdle();
        EXPECT_EQ(runningTimers(), std::vector<std::string>{}) << "after " << what;
    }
};

}  // namespace

TEST_F(Idle, NoTimerRunsAfterStartOrAnyOfThePlayersActions)
{
    start();
    expectNoTimerAfter("the start");

    random.feed({LargestBelowOne});
    press(Qt::Key_Right, 7);
    expectNoTimerAfter("a walk");

    game.AttackPower = 1;  // no harm to the Snake: the battle goes on
    walkIntoBattle(1);
    expectNoTimerAfter("a monster's appearance");
    click(battle().lblCRA);
    expectNoTimerAfter("an exchange of blows");
    click(battle().lblRUN);
    expectNoTimerAfter("running away");

    random.feed({0.1f});
    choose(Qt::Key_C, Qt::Key_I);
    frmInventory& inventory = window->inventoryWindow();
    QTest::mouseClick(inventory.CR->viewport(), Qt::LeftButton, {},
                      inventory.CR->visualItemRect(inventory.CR->item(0)).center());
    click(inventory.lblEquipCR);
    expectNoTimerAfter("the inventory and an Equip");
    click(inventory.BCK);

    choose(Qt::Key_C, Qt::Key_S);
    expectNoTimerAfter("the stats");
    click(window->statsWindow().lblBACK);
    choose(Qt::Key_A);
    expectNoTimerAfter("the credits");
    click(window->aboutWindow().lblBack);
    expectNoTimerAfter("the return to the map");
}
