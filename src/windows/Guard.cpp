#include "Guard.h"

#include <QWidget>
#include <iostream>
#include <sys/resource.h>

#include "platform/Dialogs.h"
#include "platform/ProgramExit.h"
#include "platform/RuntimeError.h"
#include "widgets/Label.h"

namespace mirewalk {

void guarded(Dialogs& dialogs, ProgramExit& exit, const std::function<void()>& handler)
{
    if (exit.ended())
        return;
    try {
        handler();
    } catch (const ProgramEnd& end) {
        exit.quit(end.status);
    } catch (const std::bad_alloc&) {
        std::cerr << outOfMemory() << std::endl;
        exit.quit(1);
    } catch (const RuntimeError& error) {
        std::cerr << "Mirewalk: " << error.report() << std::endl;
        dialogs.message(error.report());
        exit.quit(1);
    } catch (const std::exception& error) {
        const std::string report = std::string("Run-time error: ") + error.what();
        std::cerr << "Mirewalk: " << report << std::endl;
        dialogs.message(report);
        exit.quit(1);
    }
}

std::string outOfMemory()
{
    const std::string limit = memoryLimit();
    return "Mirewalk: out of memory" + (limit.empty() ? "" : ": " + limit);
}

std::string memoryLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return {};
    return "the game may use no more than " + std::to_string(limit.rlim_cur / (1024 * 1024))
        + " MB (ulimit -v)";
}

void guardedWhileShown(const QWidget& window, Dialogs& dialogs, ProgramExit& exit,
                       const std::function<void()>& command)
{
    if (window.isVisible())
        guarded(dialogs, exit, command);
}

void addCommand(Label& label, Qt::Key key, Dialogs& dialogs, ProgramExit& exit,
                std::function<void()> command)
{
    if (key != Qt::Key_unknown)
        label.setKey(key);
    if (!command)
        return;
    QObject::connect(&label, &Label::clicked, &label, [&label, &dialogs, &exit, command] {
        guardedWhileShown(label, dialogs, exit, command);
    });
}

}  // namespace mirewalk
