#include "BattleWindow.h"

#include <QPlainTextEdit>

#include "pictures/BuiltInPictures.h"
#include "platform/Dialogs.h"
#include "rules/Encounter.h"
#include "rules/Fight.h"
#include "widgets/Label.h"
#include "widgets/PictureView.h"
#include "widgets/Style.h"
#include "widgets/Zoomed.h"
#include "windows/Guard.h"
#include "windows/Navigator.h"
#include "windows/Services.h"

namespace mirewalk {

namespace {

// The box of the battle's report: red text on black, wrapped over its lines,
// in the sunken grey and white frame of a text box.
QPlainTextEdit* reportBox(QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("BINFO"));
    box->setAccessibleName(QStringLiteral("BINFO"));
    placeAt(box, {32, 288, 561, 121});
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Colour::Red);
    palette.setColor(QPalette::Dark, Colour::Grey);
    palette.setColor(QPalette::Shadow, Colour::DarkGrey);
    palette.setColor(QPalette::Light, Colour::White);
    palette.setColor(QPalette::Midlight, Colour::LightGrey);
    box->setPalette(palette);
    return box;
}

}  // namespace

BattleWindow::BattleWindow(Game& game, Services& services, const BuiltInPictures& pictures,
                           Navigator& navigator)
    : Screen("Battle", QStringLiteral("MONSTER APPEARED!!!")),
      game_(game),
      services_(services),
      builtIn_(pictures),
      navigator_(navigator)
{
    fixSize(this, ClientSize);
    // A label of the window, in the game's bold face.
    const auto label = [this](const char* name, const char* caption, QPoint at, int pixelSize,
                              QColor colour) {
        return new Label(this, name, QString::fromLatin1(caption), at, pixelSize, colour);
    };
    label("Label1", "CURRENT HP:", {16, 16}, FontPx::Small, Colour::Red);
    heroHitPoints_ = label("lblHP", "", {136, 16}, FontPx::Small, Colour::Red);
    label("Label2", "MONSTER HP :", {416, 16}, FontPx::Small, Colour::Green);
    monsterHitPoints_ = label("lblMHP", "", {536, 16}, FontPx::Small, Colour::Green);
    monsterName_ = label("lblMNAME", "", {432, 80}, FontPx::Medium, Colour::Green);
    heroPicture_ = new PictureView(this, "Picture1", {32, 152, 65, 81});
    monsterPicture_ = new PictureView(this, "Picture2", {456, 152, 81, 81});
    report_ = reportBox(this);
    longRangeAttack_ = label("lblAttack", "LONG RANGED ATTACK", {64, 424}, FontPx::Large,
                             Colour::Red);
    longRangeAttack_->hide();
    Label* closeRangeAttack = label("lblCRA", "CLOSE RANGED ATTACK", {64, 448}, FontPx::Large,
                                    Colour::Blue);
    Label* defend = label("lblDefend", "DEFEND", {64, 472}, FontPx::Large, Colour::Cyan);
    Label* item = label("lblITEM", "ITEM", {64, 496}, FontPx::Large, Colour::Green);
    Label* run = label("lblRUN", "RUN", {64, 520}, FontPx::Large, Colour::Yellow);

    // Each command has a key; DEFEND and ITEM do nothing. Escape runs away, as
    // closing the window through its frame does.
    addCommand(*longRangeAttack_, Qt::Key_L, services_.dialogs, services_.exit,
               [this] { attackLongRange(); });
    addCommand(*closeRangeAttack, Qt::Key_C, services_.dialogs, services_.exit,
               [this] { attackCloseRange(); });
    addCommand(*defend, Qt::Key_D, services_.dialogs, services_.exit, {});
    addCommand(*item, Qt::Key_I, services_.dialogs, services_.exit, {});
    addCommand(*run, Qt::Key_R, services_.dialogs, services_.exit, [this] { runAway(); });
    closeOnEscape();
    connect(this, &Screen::frameClosed, this, [this] {
        guardedWhileShown(*this, services_.dialogs, services_.exit, [this] { runAway(); });
    });
}

QImage BattleWindow::pictureOf(const MonsterPicture& monster) const
{
    switch (monster.source) {
    case MonsterPicture::Source::File:
        return services_.pictures.load(QString::fromLatin1(monster.file));
    case MonsterPicture::Source::BuiltIn: return builtIn_.alien;
    case MonsterPicture::Source::None: break;
    }
    return {};
}

void BattleWindow::meetMonster(const QImage& picture)
{
    report_->clear();
    if (!picture.isNull()) {
        monsterPicture_->canvas().setPicture(picture);
        monsterPicture_->refresh();
    }
    if (game_.LRWeaponOn == Truth::True)
        longRangeAttack_->show();
    services_.dialogs.message("MONSTER HAS APPEARED");
    monsterHitPoints_->setCaption(game_.currentMonster().HP);
    heroHitPoints_->setCaption(game_.CurHP);
    monsterName_->setCaption(QString::fromStdString(game_.currentMonster().Name));
    heroPicture_->canvas().setPicture(builtIn_.heroFront);
    heroPicture_->refresh();
}

void BattleWindow::showHitPoints()
{
    heroHitPoints_->setCaption(game_.CurHP);
    monsterHitPoints_->setCaption(game_.currentMonster().HP);
}

void BattleWindow::attackLongRange()
{
    shootLongRange(game_, services_.dialogs);
    showHitPoints();
}

// An exchange of blows; a victory returns to the map once the exchange is shown.
void BattleWindow::attackCloseRange()
{
    const Exchange exchange = exchangeBlows(game_, services_.random, services_.dialogs);
    report_->setPlainText(QString::fromStdString(exchange.report));
    showHitPoints();
    if (exchange.victory)
        navigator_.returnToMap();
}

void BattleWindow::runAway()
{
    services_.dialogs.message("You Ran Away!!!");
    navigator_.returnToMap();
}

}  // namespace mirewalk
