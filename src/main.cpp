// Mirewalk: name a hero, walk four maps, meet monsters and fight them.

#include <QApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

#include "pictures/PictureFolder.h"
#include "platform/Random.h"
#include "widgets/GameWindow.h"
#include "widgets/Style.h"
#include "windows/Guard.h"
#include "windows/PadInput.h"
#include "windows/QtDialogs.h"
#include "windows/QtExit.h"
#include "windows/Services.h"
#include "windows/Settings.h"
#include "windows/WholeScale.h"
#include "windows/WindowNavigator.h"
#include "windows/Zoom.h"

using namespace mirewalk;

namespace {

// Qt's messages while the application is being built, shown once it is.
QStringList startMessages;
// Qt's latest warning there, and whether it was that the display cannot be opened.
QString startWarning;
bool displayRefused = false;
bool memoryRefused = false;  // a library or plugin could not be mapped

// Qt's messages while the application is being built. The one fatal message
// there is a platform that cannot start: it becomes one line and status 1,
// instead of Qt's abort (and a core file) after lines of its own. When no
// display could be reached, Wayland's or X11's, the line names both
// variables; otherwise it gives Qt's own reason and the platforms it has.
void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        const QString message = qFormatLogMessage(type, context, text);
        if (!startMessages.contains(message))  // the look at the screen may say it first
            startMessages.append(message);
        startWarning = text;
        displayRefused = displayRefused
            || (qstrcmp(context.category, "qt.qpa.xcb") == 0
                && text.startsWith(QLatin1String("could not connect to display")))
            || text.startsWith(QLatin1String("Failed to create wl_display"));
        memoryRefused = memoryRefused || text.contains(QLatin1String("Cannot allocate memory"));
        return;
    }
    if (memoryRefused) {
        std::fprintf(stderr, "%s\n", outOfMemory().c_str());
        std::_Exit(1);
    }
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray x11 = qgetenv("DISPLAY");
    // A display variable as the line names it: its value, or that it is not set.
    const auto named = [](const char* variable, const QByteArray& value) {
        return QStringLiteral("%1 is %2")
            .arg(QLatin1String(variable),
                 value.isEmpty()
                     ? QStringLiteral("not set")
                     : QLatin1Char('\'') + QString::fromLocal8Bit(value) + QLatin1Char('\''));
    };
    if (displayRefused && wayland.isEmpty() && x11.isEmpty())
        std::fputs("Mirewalk: no display: WAYLAND_DISPLAY and DISPLAY are not set\n", stderr);
    else if (displayRefused)
        std::fprintf(stderr, "Mirewalk: cannot open a display: %s, %s\n",
                     qPrintable(named("WAYLAND_DISPLAY", wayland)),
                     qPrintable(named("DISPLAY", x11)));
    else {
        // Qt's fatal message ends with the platforms it has. A platform that
        // cannot be loaded may be one that found no room under a memory limit.
        const QString reason = startWarning.isEmpty() ? text.simplified()
                                                      : startWarning + QStringLiteral(" (")
                + text.trimmed().section(QLatin1Char('\n'), -1) + QLatin1Char(')');
        const std::string limit = memoryLimit();
        std::fprintf(stderr, "Mirewalk: cannot start: %s%s\n", qPrintable(reason),
                     limit.empty() ? "" : ("; " + limit).c_str());
    }
    std::_Exit(1);
}

// A standard stream the program was started without is opened on /dev/null:
// left closed, its number would go to the display connection, and whatever
// the game or Qt writes to it would corrupt that connection for good.
void openClosedStreams()
{
    for (int stream = 0; stream <= 2; ++stream) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int null = open("/dev/null", O_RDWR);
        if (null > stream) {
            dup2(null, stream);
            close(null);
        }
    }
}

// The game, from the closed streams to the end of its event loop.
int play()
{
    openClosedStreams();
    // Writing to a broken standard error must not end the game: the write fails, the game goes on.
    std::signal(SIGPIPE, SIG_IGN);
    // The game takes no command-line options: Qt is given only the program's
    // name, the desktop entry's id, which names its windows for the desktop
    // (the instance of X11's WM_CLASS).
    char name[] = MIREWALK_ID;
    char* qtArgv[] = {name, nullptr};
    int qtArgc = 1;
    const QtMessageHandler qtHandler = qInstallMessageHandler(whileStarting);
    const std::unique_ptr<QApplication> application = startAtWholeScale(qtArgc, qtArgv);
    qInstallMessageHandler(qtHandler);
    for (const QString& message : std::as_const(startMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    QApplication::setQuitOnLastWindowClosed(false);
    // Docks and window lists link the windows to the desktop entry by its id
    // (X11's WM_CLASS, whose class is the game's name, and Wayland's app id);
    // the game window shows the hero as its icon.
    QApplication::setApplicationName(QStringLiteral("Mirewalk"));
    QApplication::setDesktopFileName(QStringLiteral(MIREWALK_ID));
    useGameFont();
    // Game pads play as a second keyboard, from the first box on.
    PadInput pads(PadInput::inputFolder());
    Game game;
    Random random;
    QtDialogs dialogs;
    QtExit exit;
    // The player's zoom and fullscreen, kept between runs; the prompt shows at the zoom.
    Settings settings;
    Zoom zoom(settings);
    dialogs.setZoom(zoom);
    // The pictures beside the program, found and checked before the name prompt.
    std::optional<PictureFolder> pictures;
    guarded(dialogs, exit, [&pictures] {
        pictures.emplace(programFolder());
        pictures->requireSubfolders({"Maps", "Monsters"});
    });
    if (exit.ended())
        return exit.status();
    Services services{random, dialogs, exit, *pictures};

    WindowNavigator windows(game, services);
    if (exit.ended())
        return exit.status();
    zoom.setWindow(windows.window());
    dialogs.setWindow(windows.window(), boxPlaceOnThisDesktop());
    // A window destroyed by another program leaves nothing to play in, nor
    // anything to tidy up: the game ends at once.
    QObject::connect(&windows.window(), &GameWindow::destroyedFromOutside, [] {
        std::fputs("Mirewalk: the game window was destroyed by another program\n", stderr);
        std::_Exit(1);
    });
    windows.showMap();
    const int status = QApplication::exec();
    return exit.ended() ? exit.status() : status;
}

}  // namespace

// Running out of memory anywhere outside an event handler (whose guard says
// so itself) ends the game with one line naming the limit and status 1.
int main()
{
    try {
        return play();
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s\n", outOfMemory().c_str());
        std::_Exit(1);
    }
}
