// Runs the window tests on the offscreen platform, with one application object.

#include <QApplication>
#include <gtest/gtest.h>

#include "widgets/Style.h"

using namespace mirewalk;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    useGameFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
