// The start of the built program that fails: one line on standard error,
// status 1, and no core file left, whatever the display or the arguments.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <regex>

namespace {
// How the built program ends when started with DISPLAY, the platform, the
// arguments and WAYLAND_DISPLAY given, in a folder of its own where a core
// file would be left: its status and what it wrote on standard error, and
// whether it left a file.
std::string startWith(const QString& display, const QString& platform,
                      const QStringList& arguments = {}, const QString& wayland = {})
{
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    environment.insert("WAYLAND_DISPLAY", wayland);
    environment.insert("QT_QPA_PLATFORM", platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(MIREWALK_PROGRAM), arguments);
    if (!program.waitForFinished(10000))
        program.kill();  // still waiting, at the name prompt
    program.waitForFinished();
    return (program.exitStatus() == QProcess::NormalExit
                ? "status " + std::to_string(program.exitCode())
                : std::string("crashed or killed"))
        + ": " + program.readAllStandardError().toStdString()
        + (QDir(folder.path()).isEmpty() ? "" : " and left a file");
}

}  // namespace

TEST(NoDisplay, TheProgramNamesBothDisplaysInOneLineAndEndsWithStatus1)
{
    const std::string none =
        "status 1: Mirewalk: no display: WAYLAND_DISPLAY and DISPLAY are not set\n";
    EXPECT_EQ(startWith("", "xcb"), none);
    EXPECT_EQ(startWith("", "wayland"), none);
    EXPECT_EQ(startWith(":4711", "xcb"),
              "status 1: Mirewalk: cannot open a display: "
              "WAYLAND_DISPLAY is not set, DISPLAY is ':4711'\n");
    EXPECT_EQ(startWith("", "wayland;xcb", {}, "nowhere"),
              "status 1: Mirewalk: cannot open a display: WAYLAND_DISPLAY is 'nowhere', DISPLAY "
              "is not set\n");
}

TEST(StartFailure, AnyOtherIsQtsOwnReasonInOneLineWithStatus1)
{
    const std::string said = startWith(":4711", "foo");  // the list of platforms varies
    EXPECT_TRUE(std::regex_match(said,
                                 std::regex("status 1: Mirewalk: cannot start: Could not find the "
                                            "Qt platform plugin \"foo\" in \"\" \\(Available "
                                            "platform plugins are: .*offscreen.*\\)\n")))
        << said;
}

TEST(CommandLine, QtsOwnOptionsChangeNothing)
{
    // Taken, -platform offscreen would start a game nobody sees, waiting at its prompt.
    EXPECT_EQ(startWith("", "xcb", {"-platform", "offscreen", "-reverse"}),
              "status 1: Mirewalk: no display: WAYLAND_DISPLAY and DISPLAY are not set\n");
}
