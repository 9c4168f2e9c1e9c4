// Mirewalk: name a hero, walk four maps, meet monsters and fight them.

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "pictures/PictureFolder.h"
#include "platform/Random.h"
#include "widgets/Style.h"
#include "windows/Guard.h"
#include "windows/QtDialogs.h"
#include "windows/Services.h"
#include "windows/WholeScale.h"
#include "windows/WindowNavigator.h"

using namespace mirewalk;

namespace {

// Qt's messages while the application is being built, shown once it is.
QStringList startMessages;
// Qt's latest warning there, and whether it was that the display cannot be opened.
QString startWarning;
bool displayRefused = false;

// Qt's messages while the application is being built. The one fatal message
// there is a platform that cannot start: it becomes one line and status 1,
// instead of Qt's abort (and a core file) after lines of its own. The line
// names the display when it is the display that cannot be opened, and
// otherwise gives Qt's own reason and the platforms it has.
void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        startMessages.append(qFormatLogMessage(type, context, text));
        startWarning = text;
        displayRefused = displayRefused
            || (qstrcmp(context.category, "qt.qpa.xcb") == 0
                && text.startsWith(QLatin1String("could not connect to display")));
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (displayRefused && display.isEmpty())
        std::fputs("Mirewalk: no display: DISPLAY is not set\n", stderr);
    else if (displayRefused)
        std::fprintf(stderr, "Mirewalk: cannot open the display '%s'\n", display.constData());
    else if (startWarning.isEmpty())
        std::fprintf(stderr, "Mirewalk: cannot start: %s\n", qPrintable(text.simplified()));
    else  // Qt's fatal message ends with the platforms it has
        std::fprintf(stderr, "Mirewalk: cannot start: %s (%s)\n", qPrintable(startWarning),
                     qPrintable(text.trimmed().section(QLatin1Char('\n'), -1)));
    std::_Exit(1);
}

}  // namespace

int main()
{
    // Writing to a closed standard error must not end the game: the write fails, the game goes on.
    std::signal(SIGPIPE, SIG_IGN);
    // The game takes no command-line options: Qt is given the program's name only.
    char name[] = "mirewalk";
    char* qtArgv[] = {name, nullptr};
    int qtArgc = 1;
    useWholeScale();
    const QtMessageHandler qtHandler = qInstallMessageHandler(whileStarting);
    QApplication app(qtArgc, qtArgv);
    qInstallMessageHandler(qtHandler);
    for (const QString& message : std::as_const(startMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    QApplication::setQuitOnLastWindowClosed(false);
    useGameFont();
    Game game;
    Random random;
    QtDialogs dialogs;
    QByteArray folder;  // of the program, read before the name prompt
    guarded(dialogs, [&folder] { folder = programFolder(); });
    if (dialogs.ended())
        return dialogs.status();
    const PictureFolder pictures(folder);
    const PictureFolder builtIn(QString::fromLatin1(BuiltInFolder), PictureFolder::Reading::Once);
    Services services{random, dialogs, pictures, builtIn};

    WindowNavigator windows(game, services);
    if (dialogs.ended())
        return dialogs.status();
    windows.showMap();
    const int status = QApplication::exec();
    return dialogs.ended() ? dialogs.status() : status;
}
