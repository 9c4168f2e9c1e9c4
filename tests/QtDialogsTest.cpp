// The real message box and name prompt, looked at while they are open.

#include <QDialog>
#include <QInputDialog>
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
    const auto look = [&seen] {
        QTimer::singleShot(0, [&seen] {
            QWidget* open = QApplication::activeModalWidget();
            ASSERT_NE(open, nullptr);
            seen.emplace_back(open->parentWidget(), open->windowModality() == Qt::ApplicationModal);
            open->close();
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
}

TEST(NamePrompt, TheRealPromptTakesTheLongestNameAndNoMore)
{
    const QString longest(MaxNameLength, QLatin1Char('m'));
    QTimer::singleShot(0, [&longest] {
        auto* open = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(open, nullptr);
        open->setTextValue(longest + QLatin1Char('m'));  // one letter more than it takes
        open->accept();
    });
    QtDialogs real;
    const std::string name = real.prompt("What is your name?");
    EXPECT_TRUE(name == longest.toStdString()) << name.size() << " characters";
}
