#include "Battle.h"

#include <QPlainTextEdit>

#include "platform/Dialogs.h"
#include "rules/Encounter.h"
#include "rules/Fight.h"
#include "widgets/Style.h"
#include "windows/Guard.h"

namespace mirewalk {

namespace {

// The message box of the battle: red text on black, wrapped over its lines,
// in the sunken grey and white frame of a text box.
QPlainTextEdit* messageBox(QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("BINFO"));
    box->setAccessibleName(QStringLiteral("BINFO"));
    box->setGeometry(32, 288, 561, 121);
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

Battle::Battle(Game& game, Services& services, const BuiltInPictures& pictures, Navigator& navigator)
    : GameWindow("Battle", QStringLiteral("MONSTER APPEARED!!!"), {643, 561}),
      game_(game),
      services_(services),
      pictures_(pictures),
      navigator_(navigator)
{
    // A label of the window, in the game's bold face.
    const auto label = [this](const char* name, const char* caption, QPoint at, int pixelSize,
                              QColor colour) {
        return new Label(this, name, QString::fromLatin1(caption), at, pixelSize, colour);
    };
    Label1 = label("Label1", "CURRENT HP:", {16, 16}, FontPx::Small, Colour::Red);
    lblHP = label("lblHP", "", {136, 16}, FontPx::Small, Colour::Red);
    Label2 = label("Label2", "MONSTER HP :", {416, 16}, FontPx::Small, Colour::Green);
    lblMHP = label("lblMHP", "", {536, 16}, FontPx::Small, Colour::Green);
    lblMNAME = label("lblMNAME", "", {432, 80}, FontPx::Medium, Colour::Green);
    Picture1 = new PictureView(this, "Picture1", {32, 152, 65, 81});
    Picture2 = new PictureView(this, "Picture2", {456, 152, 81, 81});
    BINFO = messageBox(this);
    lblAttack = label("lblAttack", "LONG RANGED ATTACK", {64, 424}, FontPx::Large, Colour::Red);
    lblAttack->hide();
    lblCRA = label("lblCRA", "CLOSE RANGED ATTACK", {64, 448}, FontPx::Large, Colour::Blue);
    lblDefend = label("lblDefend", "DEFEND", {64, 472}, FontPx::Large, Colour::Cyan);
    lblITEM = label("lblITEM", "ITEM", {64, 496}, FontPx::Large, Colour::Green);
    lblRUN = label("lblRUN", "RUN", {64, 520}, FontPx::Large, Colour::Yellow);

    // Each command has a key; Escape runs away, as closing the window does.
    lblAttack->setKey(Qt::Key_L);
    lblCRA->setKey(Qt::Key_C);
    lblDefend->setKey(Qt::Key_D);
    lblITEM->setKey(Qt::Key_I);
    lblRUN->setKey(Qt::Key_R);
    connect(lblAttack, &Label::clicked, this, &Battle::lblAttack_Click);
    connect(lblCRA, &Label::clicked, this, &Battle::lblCRA_Click);
    connect(lblRUN, &Label::clicked, this, &Battle::lblRUN_Click);
    // Closing the window through its frame is running away.
    connect(this, &GameWindow::frameClosed, this, &Battle::lblRUN_Click);
}

void Battle::showMonsterPicture(const MonsterPicture& picture)
{
    switch (picture.source) {
    case MonsterPicture::Source::File:
        Picture2->canvas().setPicture(services_.pictures.load(QString::fromLatin1(picture.file)));
        break;
    case MonsterPicture::Source::BuiltIn:
        Picture2->canvas().setPicture(pictures_.EnemyL.picture());
        break;
    case MonsterPicture::Source::None: return;
    }
    Picture2->refresh();
}

void Battle::MAppear()
{
    navigator_.open(*this);
    if (game_.LRWeaponOn == Truth::True)
        lblAttack->show();
    services_.dialogs.message("MONSTER HAS APPEARED");
    lblMHP->setCaption(game_.currentMonster().HP);
    lblHP->setCaption(game_.CurHP);
    lblMNAME->setCaption(QString::fromStdString(game_.currentMonster().Name));
    Picture1->canvas().setPicture(pictures_.HD.picture());
    Picture1->refresh();
}

void Battle::showHitPoints()
{
    lblHP->setCaption(game_.CurHP);
    lblMHP->setCaption(game_.currentMonster().HP);
}

void Battle::lblAttack_Click()
{
    guardedWhileShown(*this, services_.dialogs, [this] {
        shootLongRange(game_, services_.dialogs);
        showHitPoints();
    });
}

void Battle::lblCRA_Click()
{
    guardedWhileShown(*this, services_.dialogs, [this] {
        const Exchange exchange = exchangeBlows(game_, services_.random, services_.dialogs);
        if (exchange.victory)
            navigator_.returnToMap(*this);
        BINFO->setPlainText(QString::fromStdString(exchange.report));
        showHitPoints();
    });
}

void Battle::lblRUN_Click()
{
    guardedWhileShown(*this, services_.dialogs, [this] {
        services_.dialogs.message("You Ran Away!!!");
        navigator_.returnToMap(*this);
    });
}

}  // namespace mirewalk
