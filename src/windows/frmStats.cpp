#include "frmStats.h"

#include "widgets/Style.h"

namespace mirewalk {

frmStats::frmStats(const Game& game, Dialogs& dialogs, const Canvas& HD, Navigator& navigator)
    : CharacterWindow(dialogs, navigator, "frmStats", QStringLiteral("Stats"), {462, 412}),
      game_(game),
      HD_(HD)
{
    const auto label = [this](const char* name, const char* text, QPoint at, QColor colour) {
        return new Label(this, name, QString::fromLatin1(text), at, FontPx::Large, colour);
    };

    charpic = new PictureView(this, "charpic", {16, 16, 57, 57});
    Label1 = label("Label1", "NAME : ", {8, 88}, Colour::Blue);
    lblName = label("lblName", "", {96, 88}, Colour::Blue);
    label3 = label("label3", "MAX HEALTH :", {8, 120}, Colour::Blue);
    lblMHP = label("lblMHP", "", {168, 120}, Colour::Red);
    Label2 = label("Label2", "CURRENT HEALTH :", {8, 152}, Colour::Blue);
    lblCHP = label("lblCHP", "", {216, 152}, Colour::Red);
    Label4 = label("Label4", "STRENGTH :", {8, 184}, Colour::Blue);
    lblStrength = label("lblStrength", "", {144, 184}, Colour::Red);
    Label5 = label("Label5", "DEFENSE :", {8, 216}, Colour::Blue);
    lblDefense = label("lblDefense", "", {128, 216}, Colour::Red);
    Label6 = label("Label6", "LEVEL :", {8, 248}, Colour::Blue);
    lblLevel = label("lblLevel", "", {96, 248}, Colour::Red);
    Label7 = label("Label7", "EXPERIENCE :", {8, 280}, Colour::Blue);
    lblExperience = label("lblExperience", "", {160, 280}, Colour::Red);
    Label8 = label("Label8", "TO NEXT LEVEL :", {8, 312}, Colour::Blue);
    lblToNextLevel = label("lblToNextLevel", "", {192, 312}, Colour::Red);
    lblBACK = new Label(this, "lblBACK", QStringLiteral("BACK"), {192, 368}, FontPx::Huge,
                        Colour::Green);
    leaveBy(lblBACK);
}

void frmStats::showHero()
{
    charpic->canvas().setPicture(HD_.picture());
    charpic->refresh();
    const Game& game = game_;
    lblName->setCaption(QString::fromStdString(game.PlayerName));
    lblCHP->setCaption(game.CurHP);
    lblMHP->setCaption(game.MaxHP);
    lblStrength->setCaption(game.Strength);
    lblDefense->setCaption(game.Defense);
    lblExperience->setCaption(game.Experience);
    lblToNextLevel->setCaption(game.NextLevelExp);
    lblLevel->setCaption(game.Level);
}

}  // namespace mirewalk
