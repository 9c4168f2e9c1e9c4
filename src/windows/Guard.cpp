#include "Guard.h"

#include <QWidget>
#include <iostream>

#include "platform/Dialogs.h"
#include "platform/RuntimeError.h"

namespace mirewalk {

void guarded(Dialogs& dialogs, const std::function<void()>& handler)
{
    if (dialogs.ended())
        return;
    try {
        handler();
    } catch (const ProgramEnd& end) {
        dialogs.quit(end.status);
    } catch (const RuntimeError& error) {
        std::cerr << "Mirewalk: " << error.report() << std::endl;
        dialogs.message(error.report());
        dialogs.quit(1);
    } catch (const std::exception& error) {
        const std::string report = std::string("Run-time error: ") + error.what();
        std::cerr << "Mirewalk: " << report << std::endl;
        dialogs.message(report);
        dialogs.quit(1);
    }
}

void guardedWhileShown(const QWidget& window, Dialogs& dialogs, const std::function<void()>& command)
{
    if (window.isVisible())
        guarded(dialogs, command);
}

}  // namespace mirewalk
