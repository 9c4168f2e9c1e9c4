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
    click(element<Label>("Battle", "lblCRA"));
    expectNoTimerAfter("an exchange of blows");
    click(element<Label>("Battle", "lblRUN"));
    expectNoTimerAfter("running away");

    random.feed({0.1f});
    choose(Qt::Key_C, Qt::Key_I);
    ListBox* list = element<ListBox>("frmInventory", "CR");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    click(element<Label>("frmInventory", "lblEquipCR"));
    expectNoTimerAfter("the inventory and an Equip");
    click(element<Label>("frmInventory", "BCK"));

    choose(Qt::Key_C, Qt::Key_S);
    expectNoTimerAfter("the stats");
    click(element<Label>("frmStats", "lblBACK"));
    choose(Qt::Key_A);
    expectNoTimerAfter("the credits");
    click(element<Label>("frmAbout", "lblBack"));
    expectNoTimerAfter("the return to the map");
}
