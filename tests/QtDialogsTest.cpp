// The real message box and name prompt, looked at while they are open.

#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "GameFixture.h"
#include "windows/QtDialogs.h"

using namespace mirewalk;

using QtDialogsTest = GameFixture;

TEST_F(QtDialogsTest, BoxesAndThePromptBelongToTheGameWindowOnceItIsGiven)
{
    start();
    QWidget* window = mapWindow->window();
    QtDialogs real;
    // The window each open dialog belongs to, and whether it blocks the game.
    std::vector<std::pair<QWidget*, bool>> seen;
    std::vector<QPointer<QWidget>> closed;
    const auto look = [&seen, &closed] {
        QTimer::singleShot(0, [&seen, &closed] {
            QWidget* open = QApplication::activeModalWidget();
            ASSERT_NE(open, nullptr);
            seen.emplace_back(open->parentWidget(), open->windowModality() == Qt::ApplicationModal);
            open->close();
            closed.emplace_back(open);
        });
    };
    look();
    real.message("before the window");  // as at the start: the folder's error, the first prompt
    real.setWindow(*window);
    look();
    real.message("VICTORY!!!");
    look();
    (void)real.prompt("What is your name?");
    const std::vector<std::pair<QWidget*, bool>> expected{
        {nullptr, true}, {window, true}, {window, true}};
    EXPECT_EQ(seen, expected);
    // Closed, the box and the prompt of the game window keep their windows on the desktop.
    for (const QPointer<QWidget>& dialog : {closed[1], closed[2]})
        EXPECT_TRUE(dialog && !dialog->isVisible() && dialog->windowHandle()->handle());
}

TEST(NamePrompt, TheRealPromptTakesTheLongestNameAndNoMore)
{
    const QString longest(MaxNameLength, QLatin1Char('m'));
    QPointer<QInputDialog> open;
    QTimer::singleShot(0, [&longest, &open] {
        open = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(open, nullptr);
        open->setTextValue(longest + QLatin1Char('m'));  // one letter more than it takes
        open->accept();
    });
    QtDialogs real;
    const std::string name = real.prompt("What is your name?");
    EXPECT_TRUE(name == longest.toStdString()) << name.size() << " characters";
    // Answered, it hides and keeps its window on the desktop, which a window manager may still be reading.
    EXPECT_TRUE(open && !open->isVisible() && open->windowHandle()->handle());
}

// Where the desktop places every new window (Wayland), a box shows inside the
// game window, and nothing else there takes a key, a click or the close.
TEST_F(QtDialogsTest, ABoxInsideTheGameWindowAloneTakesInputUntilItCloses)
{
    start();
    QWidget* window = mapWindow->window();
    QtDialogs real;
    real.setWindow(*window, BoxPlace::InsideWindow);
    QPoint offCentre(-1, -1);
    QTimer::singleShot(0, [&] {
        auto* box = window->findChild<QMessageBox*>();
        ASSERT_TRUE(box && box->isVisible() && !box->isWindow());
        offCentre = box->geometry().center() - window->rect().center();
        QTest::keyClick(mapView(), Qt::Key_Right);   // no step
        QWidget* xBox = element("frmGame", "XPOS");  // clicked through the window, as a player does
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          xBox->mapTo(window, QPoint(5, 5)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);  // no menu
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        window->close();  // kept open
        EXPECT_TRUE(window->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // round the box's one button
        EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(box->button(QMessageBox::Ok)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    real.message("Not implemented yet");
    EXPECT_LE(offCentre.manhattanLength(), 1);
    EXPECT_EQ(boxes(), "30 52 1");
    EXPECT_EQ(QApplication::focusWidget(), mapView());
}

TEST_F(QtDialogsTest, ABoxTooLargeForTheGameWindowShowsInAWindowOfItsOwn)
{
    start();
    QWidget* window = mapWindow->window();
    QtDialogs real;
    real.setWindow(*window, BoxPlace::InsideWindow);
    std::vector<bool> ownWindow;
    const auto look = [&ownWindow, window] {
        QTimer::singleShot(0, [&ownWindow, window] {
            auto* box = window->findChild<QMessageBox*>();
            ASSERT_TRUE(box && box->isVisible());
            ownWindow.push_back(box->isWindow());
            QTest::keyClick(box->button(QMessageBox::Ok), Qt::Key_Return);
        });
    };
    look();
    real.message(std::string(300, 'W'));    // one word wider than the window
    QApplication::setActiveWindow(window);  // as the window system does once the box is gone
    look();
    real.message("VICTORY!!!");
    EXPECT_EQ(ownWindow, (std::vector<bool>{true, false}));
}

TEST_F(QtDialogsTest, APromptInsideTheGameWindowTakesTheNameAndTabGoesRoundIt)
{
    start();
    QtDialogs real;
    real.setWindow(*mapWindow->window(), BoxPlace::InsideWindow);
    std::vector<QString> stops;
    QTimer::singleShot(0, [&stops] {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Arn"));
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops.push_back(QApplication::focusWidget()->metaObject()->className());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(real.prompt("What is your name?"), "Arn");
    EXPECT_EQ(stops, (std::vector<QString>{"QPushButton", "QPushButton", "QLineEdit"}));
}
