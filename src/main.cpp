// Mirewalk: name a hero, walk four maps, meet monsters and fight them.

#include <QApplication>

#include "platform/PictureFolder.h"
#include "platform/Random.h"
#include "windows/QtDialogs.h"
#include "windows/frmGame.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
