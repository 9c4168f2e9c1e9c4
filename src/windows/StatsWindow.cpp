#include "StatsWindow.h"

#include "pictures/Canvas.h"
#include "state/Game.h"
#include "widgets/Label.h"
#include "widgets/PictureView.h"
#include "widgets/Style.h"

namespace mirewalk {

namespace {

// The hero's name on one line: line breaks and the other control characters
// show as spaces, so a pasted name draws nothing over the lines below it.
QString onOneLine(const std::string& name)
{
    QString shown = QString::fromStdString(name);
    for (QChar& character : shown) {
        const QChar::Category category = character.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            character = QLatin1Char(' ');
    }
    return shown;
}

}  // namespace

StatsWindow::StatsWindow(const Game& game, Services& services, const QImage& heroFront,
                         Navigator& navigator)
    : MenuWindow(services, navigator, "frmStats", QStringLiteral("Stats"), {462, 412}),
      game_(game),
      heroFront_(heroFront)
{
    const auto label = [this](const char* name, const char* text, QPoint at, QColor colour) {
        return new Label(this, name, QString::fromLatin1(text), at, FontPx::Large, colour);
    };

    portrait_ = new PictureView(this, "charpic", {16, 16, 57, 57});
    label("Label1", "NAME : ", {8, 88}, Colour::Blue);
    name_ = label("lblName", "", {96, 88}, Colour::Blue);
    label("label3", "MAX HEALTH :", {8, 120}, Colour::Blue);
    maxHealth_ = label("lblMHP", "", {168, 120}, Colour::Red);
    label("Label2", "CURRENT HEALTH :", {8, 152}, Colour::Blue);
    health_ = label("lblCHP", "", {216, 152}, Colour::Red);
    label("Label4", "STRENGTH :", {8, 184}, Colour::Blue);
    strength_ = label("lblStrength", "", {144, 184}, Colour::Red);
    label("Label5", "DEFENSE :", {8, 216}, Colour::Blue);
    defense_ = label("lblDefense", "", {128, 216}, Colour::Red);
    label("Label6", "LEVEL :", {8, 248}, Colour::Blue);
    level_ = label("lblLevel", "", {96, 248}, Colour::Red);
    label("Label7", "EXPERIENCE :", {8, 280}, Colour::Blue);
    experience_ = label("lblExperience", "", {160, 280}, Colour::Red);
    label("Label8", "TO NEXT LEVEL :", {8, 312}, Colour::Blue);
    nextLevel_ = label("lblToNextLevel", "", {192, 312}, Colour::Red);
    leaveBy(new Label(this, "lblBACK", QStringLiteral("BACK"), {192, 368}, FontPx::Huge,
                      Colour::Green));
}

void StatsWindow::showHero()
{
    portrait_->canvas().setPicture(heroFront_);
    portrait_->refresh();
    name_->setCaption(onOneLine(game_.PlayerName));
    health_->setCaption(game_.CurHP);
    maxHealth_->setCaption(game_.MaxHP);
    strength_->setCaption(game_.Strength);
    defense_->setCaption(game_.Defense);
    experience_->setCaption(game_.Experience);
    nextLevel_->setCaption(game_.NextLevelExp);
    level_->setCaption(game_.Level);
}

}  // namespace mirewalk
