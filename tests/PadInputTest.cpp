// A game pad plays as the keyboard does: a FIFO standing in for a pad in a
// folder standing in for /dev/input.

#include <QTemporaryDir>
#include <QTimer>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GameFixture.h"
#include "IdleTimers.h"
#include "windows/PadInput.h"
#include "windows/QtDialogs.h"

using namespace mirewalk;

namespace {

class PadInputTest : public GameFixture {
protected:
    QTemporaryDir folder;
    std::unique_ptr<PadInput> input;
    int pad = -1;

    void SetUp() override
    {
        const QByteArray fifo = QFile::encodeName(folder.filePath(QStringLiteral("event0")));
        ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
        input = std::make_unique<PadInput>(folder.path(), QCoreApplication::instance());
        pad = open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        ASSERT_GE(pad, 0);
    }
    void TearDown() override { close(pad); }

    // One frame of the pad: a control's new value, then the frame's end.
    void send(int type, int code, int value)
    {
        const input_event frame[] = {{{}, __u16(type), __u16(code), value},
                                     {{}, EV_SYN, SYN_REPORT, 0}};
        ASSERT_EQ(write(pad, frame, sizeof frame), ssize_t(sizeof frame));
    }
    // A button pressed and let go.
    void tap(int button)
    {
        send(EV_KEY, button, 1);
        send(EV_KEY, button, 0);
    }
};

TEST_F(PadInputTest, WalksWhileTheDpadIsHeldAndLeavesNoTimerRunning)
{
    start();
    random.feed({LargestBelowOne, LargestBelowOne});  // no monster on the way
    send(EV_ABS, ABS_HAT0X, 1);                       // held: a step, then the keyboard's repeat
    ASSERT_TRUE(QTest::qWaitFor([this] { return game.PlayerX >= 75; })) << game.PlayerX;
    send(EV_ABS, ABS_HAT0X, 0);
    settleUntilIdle();
    EXPECT_EQ(runningTimers(), std::vector<std::string>{}) << "with the pad connected";
}

TEST_F(PadInputTest, AnswersTheRealPromptAndBoxes)
{
    QtDialogs real;
    Services withReal{random, real, dialogs, pictures};
    std::vector<std::string> answered;
    // South on each modal dialog once it has the keyboard: from inside its own event loop.
    QTimer answer;
    QWidget* last = nullptr;
    answer.callOnTimeout([&] {
        QWidget* open = QApplication::activeModalWidget();
        if (!open || open == last || !open->isActiveWindow())
            return;
        last = open;
        answered.push_back(open->metaObject()->className());
        tap(BTN_SOUTH);
    });
    answer.start(10);
    start(withReal);  // the name prompt
    real.setWindow(*mapWindow->window());
    tap(BTN_START);  // Alt+G: the Game menu
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }));
    tap(BTN_SOUTH);  // Return on Save Game: its box, opened by the pad's key and closed by the next
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.size() == 2; }));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
    EXPECT_EQ(answered, (std::vector<std::string>{"QInputDialog", "QMessageBox"}));
}

}  // namespace
