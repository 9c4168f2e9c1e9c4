// Mirewalk: name a hero, walk four maps, meet monsters and fight them.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/PictureFolder.h"
#include "platform/Random.h"
#include "windows/QtDialogs.h"
#include "windows/Style.h"
#include "windows/frmGame.h"

namespace {

// Qt's messages while the application is being built, shown once it is.
QStringList startMessages;

// Qt's messages while the application is being built. The one fatal message
// there is a platform that cannot start, almost always for want of a display:
// it becomes one line naming the display and status 1, instead of Qt's abort
// (and a core file) after lines of its own.
void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        startMessages.append(qFormatLogMessage(type, context, text));
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        std::fputs("Mirewalk: no display: DISPLAY is not set\n", stderr);
    else
        std::fprintf(stderr, "Mirewalk: cannot open the display '%s'\n", display.constData());
    std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[])
{
    const QtMessageHandler qtHandler = qInstallMessageHandler(whileStarting);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const QString& message : std::as_const(startMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    QApplication::setQuitOnLastWindowClosed(false);
    useGameFont();
    Game game;
    Random random;
    QtDialogs dialogs;
    const PictureFolder pictures(QCoreApplication::applicationDirPath());
    Services services{random, dialogs, pictures};

    frmGame window(game, services);
    if (dialogs.ended())
        return dialogs.status();
    frmGame::showActive(window);
    const int status = QApplication::exec();
    return dialogs.ended() ? dialogs.status() : status;
}
