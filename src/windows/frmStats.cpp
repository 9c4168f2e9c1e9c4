#include "frmStats.h"

#include "windows/frmGame.h"

frmStats::frmStats(frmGame& main)
    : CharacterWindow(main, "frmStats", QStringLiteral("Stats"), {462, 412})
{
    const auto label = [this](const char* name, const char* text, QPoint at, QColor colour) {
        return new Label(this, name, QString::fromLatin1(text), at, FontPx::Large, colour);
    };

    charpic = new PictureView(this, "charpic", {16, 16, 57, 57});
    Label1 = label("Label1", "NAME : ", {8, 88}, Qt::blue);
    lblName = label("lblName", "", {96, 88}, Qt::blue);
    label3 = label("label3", "MAX HEALTH :", {8, 120}, Qt::blue);
    lblMHP = label("lblMHP", "", {168, 120}, Qt::red);
    Label2 = label("Label2", "CURRENT HEALTH :", {8, 152}, Qt::blue);
    lblCHP = label("lblCHP", "", {216, 152}, Qt::red);
    Label4 = label("Label4", "STRENGTH :", {8, 184}, Qt::blue);
    lblStrength = label("lblStrength", "", {144, 184}, Qt::red);
    Label5 = label("Label5", "DEFENSE :", {8, 216}, Qt::blue);
    lblDefense = label("lblDefense", "", {128, 216}, Qt::red);
    Label6 = label("Label6", "LEVEL :", {8, 248}, Qt::blue);
    lblLevel = label("lblLevel", "", {96, 248}, Qt::red);
    Label7 = label("Label7", "EXPERIENCE :", {8, 280}, Qt::blue);
    lblExperience = label("lblExperience", "", {160, 280}, Qt::red);
    Label8 = label("Label8", "TO NEXT LEVEL :", {8, 312}, Qt::blue);
    lblToNextLevel = label("lblToNextLevel", "", {192, 312}, Qt::red);
    lblBACK = new Label(this, "lblBACK", QStringLiteral("BACK"), {192, 368}, FontPx::Huge, Qt::green);
    leaveBy(lblBACK);
}

void frmStats::showHero()
{
    charpic->canvas().setPicture(main_.HD().picture());
    charpic->refresh();
    const Game& game = main_.game();
    lblName->setCaption(QString::fromStdString(game.PlayerName));
    lblCHP->setCaption(game.CurHP);
    lblMHP->setCaption(game.MaxHP);
    lblStrength->setCaption(game.Strength);
    lblDefense->setCaption(game.Defense);
    lblExperience->setCaption(game.Experience);
    lblToNextLevel->setCaption(game.NextLevelExp);
    lblLevel->setCaption(game.Level);
}
