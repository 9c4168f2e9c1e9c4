#include "Battle.h"

#include <QPlainTextEdit>

#include "platform/Dialogs.h"
#include "platform/PictureFolder.h"
#include "rules/Encounter.h"
#include "rules/Fight.h"
#include "windows/frmGame.h"

namespace {

const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);
const QColor Cyan(0, 255, 255);
const QColor Yellow(255, 255, 0);

// The message box of the battle: red text on black, wrapped over its lines.
QPlainTextEdit* messageBox(QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("BINFO"));
    box->setAccessibleName(QStringLiteral("BINFO"));
    box->setGeometry(32, 288, 561, 121);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Red);
    box->setPalette(palette);
    return box;
}

}  // namespace

Battle::Battle(frmGame& map)
    : GameWindow("Battle", QStringLiteral("MONSTER APPEARED!!!"), {643, 561}),
      map_(map)
{
    Label1 = new Label(this, "Label1", QStringLiteral("CURRENT HP:"), {16, 16}, FontPx::Small, Red);
    lblHP = new Label(this, "lblHP", QString(), {136, 16}, FontPx::Small, Red);
    Label2 = new Label(this, "Label2", QStringLiteral("MONSTER HP :"), {416, 16}, FontPx::Small,
                       Green);
    lblMHP = new Label(this, "lblMHP", QString(), {536, 16}, FontPx::Small, Green);
    lblMNAME = new Label(this, "lblMNAME", QString(), {432, 80}, FontPx::Medium, Green);
    Picture1 = new PictureView(this, "Picture1", {32, 152, 65, 81});
    Picture2 = new PictureView(this, "Picture2", {456, 152, 81, 81});
    BINFO = messageBox(this);
    lblAttack = new Label(this, "lblAttack", QStringLiteral("LONG RANGED ATTACK"), {64, 424},
                          FontPx::Large, Red);
    lblAttack->hide();
    lblCRA = new Label(this, "lblCRA", QStringLiteral("CLOSE RANGED ATTACK"), {64, 448},
                       FontPx::Large, Blue);
    lblDefend = new Label(this, "lblDefend", QStringLiteral("DEFEND"), {64, 472}, FontPx::Large,
                          Cyan);
    lblITEM = new Label(this, "lblITEM", QStringLiteral("ITEM"), {64, 496}, FontPx::Large, Green);
    lblRUN = new Label(this, "lblRUN", QStringLiteral("RUN"), {64, 520}, FontPx::Large, Yellow);

    connect(lblAttack, &Label::clicked, this, &Battle::lblAttack_Click);
    connect(lblCRA, &Label::clicked, this, &Battle::lblCRA_Click);
    connect(lblRUN, &Label::clicked, this, &Battle::lblRUN_Click);
    // Closing the window through its frame is running away.
    connect(this, &GameWindow::frameClosed, this, &Battle::lblRUN_Click);
}

void Battle::handle(const std::function<void()>& command)
{
    runCommand(*this, map_.services().dialogs, command);
}

void Battle::meetMonster()
{
    BINFO->clear();
    showMonsterPicture(RollMonster(map_.game(), map_.services().random));
    MAppear();
}

void Battle::showMonsterPicture(const MonsterPicture& picture)
{
    switch (picture.source) {
    case MonsterPicture::Source::File:
        Picture2->canvas().setPicture(
            map_.services().pictures.load(QString::fromLatin1(picture.file)));
        break;
    case MonsterPicture::Source::EnemyL:
        Picture2->canvas().setPicture(map_.EnemyL().picture());
        break;
    case MonsterPicture::Source::None: return;
    }
    Picture2->refresh();
}

void Battle::MAppear()
{
    Game& game = map_.game();
    map_.openWindow(*this);
    if (game.LRWeaponOn == Truth::True)
        lblAttack->show();
    map_.services().dialogs.message("MONSTER HAS APPEARED");
    lblMHP->setCaption(game.currentMonster().HP);
    lblHP->setCaption(game.CurHP);
    lblMNAME->setCaption(QString::fromStdString(game.currentMonster().Name));
    Picture1->canvas().setPicture(map_.HD().picture());
    Picture1->refresh();
}

void Battle::showHitPoints()
{
    lblHP->setCaption(map_.game().CurHP);
    lblMHP->setCaption(map_.game().currentMonster().HP);
}

void Battle::lblAttack_Click()
{
    handle([this] {
        LongRangedRound(map_.game(), map_.services().dialogs);
        showHitPoints();
    });
}

void Battle::lblCRA_Click()
{
    handle([this] {
        const Exchange exchange = CloseRangedRound(map_.game(), map_.services().random,
                                                   map_.services().dialogs);
        if (exchange.victory)
            map_.returnToMap(*this);
        BINFO->setPlainText(QString::fromStdString(exchange.report));
        showHitPoints();
    });
}

void Battle::lblRUN_Click()
{
    handle([this] {
        map_.services().dialogs.message("You Ran Away!!!");
        map_.returnToMap(*this);
    });
}
