#pragma once
// A game in real windows on the offscreen platform, with scripted dialogs and
// a random source the test can feed, driven by real key and mouse events.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "ScriptedDialogs.h"
#include "map/frmGame.h"
#include "platform/PictureFolder.h"
#include "platform/Random.h"

class GameFixture : public ::testing::Test {
protected:
    Game game;
    Random random;
    ScriptedDialogs dialogs;
    PictureFolder pictures{QStringLiteral(MIREWALK_SOURCE_DIR)};
    Services services{random, dialogs, pictures};
    std::unique_ptr<frmGame> window;

    // Starts the game: Form_Load, then the main window shown and active.
    void start()
    {
        window = std::make_unique<frmGame>(game, services);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
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

    // Clicks a widget with the left mouse button.
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // The picture file as the game would load it, for comparing map pictures.
    QImage pictureFile(const char* relative) const
    {
        return pictures.load(QString::fromLatin1(relative)).convertToFormat(QImage::Format_RGB32);
    }

    // The texts of the three boxes, for example "30 52 1".
    std::string boxes() const
    {
        return (window->XPOS->text() + ' ' + window->YPOS->text() + ' ' + window->MNO->text())
            .toStdString();
    }
};
