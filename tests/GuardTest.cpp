// The guard at the edge of every handler: what each kind of end does, and
// that nothing runs once the program has ended or on a window not shown.

#include <QWidget>
#include <gtest/gtest.h>

#include "ScriptedDialogs.h"
#include "platform/RuntimeError.h"
#include "windows/Guard.h"

using namespace mirewalk;

TEST(Guard, ReportsAnErrorEndsInOrderAndRunsNothingAfterTheEnd)
{
    const struct {
        const char* label;
        std::function<void()> handler;
        std::vector<std::string> messages;
        int status;
    } cases[] = {
        {"a run-time error",
         [] { throw fileNotFoundError("/x/Maps/M2.jpg"); },
         {"Run-time error '53':\n\nFile not found: /x/Maps/M2.jpg"},
         1},
        {"an orderly end", [] { endProgram(0); }, {}, 0},
        {"no memory left", [] { throw std::bad_alloc(); }, {}, 1},  // no box: it would need memory
        {"a handler that ends well", [] {}, {}, -1},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        ::testing::internal::CaptureStderr();
        guarded(dialogs, dialogs, c.handler);
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(dialogs.messages, c.messages) << c.label;
        EXPECT_EQ(dialogs.endStatus, c.status) << c.label;
        bool ran = false;
        guarded(dialogs, dialogs, [&ran] { ran = true; });
        EXPECT_EQ(ran, c.status == -1) << c.label;
    }
    ScriptedDialogs dialogs;
    const QWidget hidden;
    bool ran = false;
    guardedWhileShown(hidden, dialogs, dialogs, [&ran] { ran = true; });
    EXPECT_FALSE(ran);
}
