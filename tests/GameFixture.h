#pragma once
// A game in real windows on the offscreen platform, with scripted dialogs and
// a random source the test can feed, driven by real key and mouse events.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>

#include "Draws.h"
#include "Elements.h"
#include "ScriptedDialogs.h"
#include "pictures/PictureFolder.h"
#include "platform/Random.h"
#include "state/Game.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/PictureView.h"
#include "widgets/TextBox.h"
#include "windows/Services.h"
#include "windows/WindowNavigator.h"

namespace mirewalk {

// Every value of the game state and of the monster and item tables as
// readable text, for before-and-after comparisons.
inline std::string stateOf(const Game& g)
{
    std::ostringstream out;
    out << "PlayerName=" << g.PlayerName << " LRWeaponOn=" << int(g.LRWeaponOn)
        << " LRDamage=" << g.LRDamage << " AttackPower=" << g.AttackPower
        << " CRWeaponName=" << g.CRWeaponName << " ArmourName=" << g.ArmourName
        << "\nPlayerX=" << g.PlayerX << " PlayerY=" << g.PlayerY << " Sprite=" << g.SpriteWidth
        << "x" << g.SpriteHeight << " MapNo=" << g.MapNo << " StepCount=" << g.StepCount
        << " EncountersOn=" << g.EncountersOn << "\nMaxHP=" << g.MaxHP << " CurHP=" << g.CurHP
        << " Strength=" << g.Strength << " Defense=" << g.Defense << " Level=" << g.Level
        << " Experience=" << g.Experience << " NextLevelExp=" << g.NextLevelExp << " Gold=" << g.Gold
        << "\nLastDamage=" << g.LastDamage << " MonsterIndex=" << g.MonsterIndex
        << " ItemIndex=" << g.ItemIndex << " MissRoll=" << g.MissRoll << " HitRoll=" << g.HitRoll
        << "\nPlayerMsg=" << g.PlayerMsg << "\nMonsterMsg=" << g.MonsterMsg << '\n';
    for (int i = 0; i < Table<Item>::Size; ++i) {
        const Item& item = g.Items[i];
        if (item != Item{})
            out << "Items(" << i << ")=" << item.Name << '/' << item.Kind << '/'
                << int(item.Equippable) << '\n';
        const Monster& m = g.Monsters[i];
        if (m.Name.empty() && m.Attack == 0 && m.RangedOn == Truth::False && m.RangedAttack == 0
            && m.Reserved1 == 0 && m.Reserved2 == 0 && m.HP == 0 && m.MaxHP == 0 && m.Strength == 0
            && m.Defense == 0)
            continue;
        out << "Monsters(" << i << ")=" << m.Name << " Attack=" << m.Attack
            << " RangedOn=" << int(m.RangedOn) << " RangedAttack=" << m.RangedAttack
            << " Reserved=" << m.Reserved1 << "," << m.Reserved2 << " HP=" << m.HP << "/" << m.MaxHP
            << " Strength=" << m.Strength << " Defense=" << m.Defense << '\n';
    }
    return out.str();
}

class GameFixture : public ::testing::Test {
protected:
    Game game;
    Random random;
    ScriptedDialogs dialogs;
    PictureFolder pictures{QStringLiteral(MIREWALK_SOURCE_DIR)};
    Services services{random, dialogs, dialogs, pictures};
    std::unique_ptr<WindowNavigator> windows;
    QWidget* mapWindow = nullptr;  // the map screen

    // Starts a game with services: the name prompt, then the map window shown and active.
    void start(Services& with)
    {
        windows = std::make_unique<WindowNavigator>(game, with);
        windows->showMap();
        mapWindow = screenNamed("frmGame");
        ASSERT_TRUE(QTest::qWaitForWindowActive(mapWindow));
    }
    void start() { start(services); }

    // Starts a game whose picture folder is a copy of the game's with one
    // file, relative to it, cut to its first 100 bytes.
    void startWithACutPicture(const char* relative)
    {
        for (const char* sub : {"Maps", "Monsters"}) {
            const QDir source(QStringLiteral(MIREWALK_SOURCE_DIR "/") + sub);
            ASSERT_TRUE(QDir(copy.path()).mkpath(sub));
            for (const QString& name : source.entryList(QDir::Files))
                ASSERT_TRUE(QFile::copy(source.filePath(name), copy.filePath(sub + ('/' + name))));
        }
        ASSERT_TRUE(QFile::resize(copy.filePath(relative), 100));
        copied = std::make_unique<PictureFolder>(copy.path());
        withCopy = std::make_unique<Services>(Services{random, dialogs, dialogs, *copied});
        start(*withCopy);
    }
    QTemporaryDir copy;
    std::unique_ptr<PictureFolder> copied;
    std::unique_ptr<Services> withCopy;

    static QWidget& battle() { return *element("Battle", "BINFO")->parentWidget(); }
    static PictureView* mapView() { return element<PictureView>("frmGame", "Map"); }
    const QImage& mapImage() { return mapView()->canvas().image(); }

    // Walks left against the stop at x = 30 up to the next encounter check,
    // fed to bring a monster of kind with its statistics drawn from stats.
    void walkIntoBattle(int kind, std::initializer_list<float> stats = {0.0f, 0.0f, 0.0f})
    {
        // The window system makes the map active again after a battle, which
        // gives the map view its focus back; the offscreen platform must be told.
        QApplication::setActiveWindow(mapWindow);
        random.feed({0.0f, drawFor(kind, 5, 1)});
        random.feed(stats);
        press(Qt::Key_Left, 6 - game.StepCount);
        ASSERT_TRUE(battle().isVisible());
        ASSERT_FALSE(mapWindow->isVisible());
    }

    // Presses a key n times on whichever element has the keyboard focus.
    void press(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr) << "nothing has the keyboard focus";
            QTest::keyClick(target, key);
        }
    }

    // Chooses a menu entry as a player would: Alt and the menu's access key,
    // then the entry's access key. The About menu acts at once.
    void choose(Qt::Key menu, Qt::Key entry = Qt::Key_unknown)
    {
        if (!mapWindow->isActiveWindow()) {  // the player clicks the window first
            mapWindow->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(mapWindow));
        }
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : mapWindow, menu, Qt::AltModifier);
        if (entry == Qt::Key_unknown)
            return;
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << "the menu did not open";
        QTest::keyClick(popup, entry);
    }

    // Whether a window says it is fixed: no maximise button for the window manager.
    static bool offersNoMaximise(const QWidget* window)
    {
        const Qt::WindowFlags hints = Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint;
        return (window->windowFlags() & hints) == Qt::CustomizeWindowHint;
    }

    // Clicks a widget with the left mouse button.
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // The picture file as the game would load it, for comparing map pictures.
    QImage pictureFile(const char* relative) const
    {
        return pictures.load(QString::fromLatin1(relative)).convertToFormat(QImage::Format_RGB32);
    }

    // The texts of the three boxes, for example "30 52 1".
    static std::string boxes()
    {
        QStringList texts;
        for (const char* box : {"XPOS", "YPOS", "MNO"})
            texts << element<TextBox>("frmGame", box)->text();
        return texts.join(' ').toStdString();
    }
};

}  // namespace mirewalk
