// Hostile input: strange names, broken picture files, a start without a
// display, keys held down and clicks that arrive too late. Each is either
// played by the rules or reported by the run-time error report; none crashes
// or ends the game silently.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "GameFixture.h"
#include "platform/RuntimeError.h"
#include "windows/QtDialogs.h"

using namespace mirewalk;

namespace {

// Sends one key press of a held key, as the keyboard's auto-repeat does.
void repeatKey(QWidget* target, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &press);
}

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

// ---- Names at the prompt ----

struct Name {
    const char* label;
    std::string text;
    const char* shown = nullptr;  // as the stats show it, when not as typed
};
// Names the case in the test output.
void PrintTo(const Name& name, std::ostream* out) { *out << name.label; }

class HostileName : public GameFixture, public ::testing::WithParamInterface<Name> {};

TEST_P(HostileName, IsKeptAsTypedAndShownInTheStats)
{
    dialogs.name = GetParam().text;
    start();

    choose(Qt::Key_C, Qt::Key_S);
    ASSERT_TRUE(screenNamed("frmStats")->isVisible());
    Label* name = element<Label>("frmStats", "lblName");
    const QString shown = QString::fromStdString(GetParam().shown ? GetParam().shown
                                                                  : GetParam().text);
    EXPECT_EQ(game.PlayerName, GetParam().text);
    EXPECT_EQ(name->text(), shown);
    // The label is as wide as its whole caption, up to the largest widget width.
    const QRect room(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int wanted = QFontMetrics(name->font()).boundingRect(room, 0, shown).width();
    EXPECT_GE(name->width(), std::min(wanted, QWIDGETSIZE_MAX));
    name->repaint();  // painting it must not fail either

    click(element<Label>("frmStats", "lblBACK"));
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.endStatus, -1);
}

INSTANTIATE_TEST_SUITE_P(
    AtThePrompt, HostileName,
    ::testing::Values(
        Name{"Empty", ""}, Name{"OneCharacter", "W"}, Name{"Spaces", "  Sir  Wade "},
        Name{"Accents", "Zoë Ångström 勇者"}, Name{"Markup", "<b>Tom</b> & Jerry"},
        Name{"LongestNameThePromptTakes", std::string(MaxNameLength, 'm')},
        Name{"ControlCharactersAndLineBreaks",
             std::string("a\0b\tc\nd\re\x1b[31mf\x7f\u2028g\u0085h", 23), "a b c d e [31mf  g h"},
        Name{"RightToLeft", "\u202eWren \u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627"},
        Name{"Emoji", "\U0001F9D9\u200D\u2642\uFE0F Wren \U0001F40D\U0001F3F3\uFE0F\u200D\U0001F308"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(NamePrompt, TheRealPromptTakesTheLongestNameAndNoMore)
{
    const QString longest(MaxNameLength, QLatin1Char('m'));
    QTimer::singleShot(0, [&longest] {
        auto* open = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(open, nullptr);
        open->setTextValue(longest + QLatin1Char('m'));  // one letter more than it takes
        open->accept();
    });
    QtDialogs real;
    const std::string name = real.prompt("What is your name?");
    EXPECT_TRUE(name == longest.toStdString()) << name.size() << " characters";
}

// ---- Broken picture files ----

enum class Broken {
    Missing,
    Empty,
    TruncatedHeader,
    TruncatedData,
    PngNamedJpg,
    OnePixel,
    AtTheSizeLimit,
    AboveTheSizeLimit,
    Bomb,  // a file of a few hundred bytes whose header says 5000 x 5000
    Pipe,
};

struct BrokenPicture {
    const char* label;
    Broken kind;
    bool map;  // the map of a crossing, or else the picture of a monster met
};
// Names the case in the test output.
void PrintTo(const BrokenPicture& picture, std::ostream* out) { *out << picture.label; }

class HostilePicture : public GameFixture, public ::testing::WithParamInterface<BrokenPicture> {
protected:
    QTemporaryDir folder;
    std::unique_ptr<PictureFolder> brokenPictures;
    std::unique_ptr<Services> brokenServices;

    // The file under test, relative to the folder.
    const char* file() const { return GetParam().map ? "Maps/M2.jpg" : "Monsters/Snake.jpg"; }
    // The full path of the file under test.
    QString fullPath() const { return folder.path() + '/' + file(); }

    // A copy of the game's picture folders with the file under test broken.
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* sub : {"Maps", "Monsters"}) {
            const QDir source(QStringLiteral(MIREWALK_SOURCE_DIR "/") + sub);
            ASSERT_TRUE(QDir(folder.path()).mkpath(sub));
            for (const QString& name : source.entryList(QDir::Files))
                ASSERT_TRUE(
                    QFile::copy(source.filePath(name), folder.path() + '/' + sub + '/' + name));
        }
        const QByteArray good = readAll(fullPath());
        ASSERT_TRUE(QFile::remove(fullPath()));
        if (GetParam().kind == Broken::Pipe)
            ASSERT_EQ(mkfifo(QFile::encodeName(fullPath()).constData(), 0600), 0);
        else if (GetParam().kind != Broken::Missing)
            writeFile(brokenContent(good));
        brokenPictures = std::make_unique<PictureFolder>(folder.path());
        brokenServices = std::make_unique<Services>(
            Services{random, dialogs, dialogs, *brokenPictures});
        start(*brokenServices);
    }

    // The bytes of a file, none when it cannot be read.
    static QByteArray readAll(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    // Writes the file under test.
    void writeFile(const QByteArray& bytes) const
    {
        QFile out(fullPath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    // The picture this case's broken file decodes to, if it decodes.
    QImage expectedPicture() const
    {
        switch (GetParam().kind) {
        case Broken::PngNamedJpg: return QImage(fullPath(), "PNG");
        case Broken::OnePixel:
        case Broken::AtTheSizeLimit: return QImage(fullPath(), "JPG");
        default: return {};
        }
    }

    // The bytes of the broken file, made from the good one.
    QByteArray brokenContent(const QByteArray& good) const
    {
        switch (GetParam().kind) {
        case Broken::Empty: return {};
        case Broken::TruncatedHeader: return good.left(100);
        case Broken::TruncatedData: return good.left(good.size() / 2);
        case Broken::PngNamedJpg: return encoded(QImage::fromData(good), "PNG");
        case Broken::OnePixel: return encoded(solid(1, Qt::magenta), "JPG");
        case Broken::AtTheSizeLimit: return encoded(solid(MaxPictureSide, Qt::darkCyan), "JPG");
        case Broken::AboveTheSizeLimit:
            return encoded(solid(MaxPictureSide + 1, Qt::darkCyan), "JPG");
        case Broken::Bomb: {
            // A JPEG of 8 x 8 whose frame header says 5000 x 5000: 100 MB once
            // decoded, which Qt's own limit of 128 MB would let through.
            QByteArray bytes = encoded(solid(8, Qt::darkCyan), "JPG");
            const qsizetype frame = bytes.indexOf("\xff\xc0");
            bytes.replace(frame + 5, 4, QByteArray("\x13\x88\x13\x88", 4));
            return bytes;
        }
        case Broken::Missing:
        case Broken::Pipe: break;
        }
        return good;
    }

    // A square picture of one colour.
    static QImage solid(int side, QColor colour)
    {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    // A picture encoded as a file of the given format.
    static QByteArray encoded(const QImage& image, const char* format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    // Walks to the point where the file under test is read: the crossing into
    // map 2, or the step that meets a Snake.
    void reachTheFile()
    {
        if (GetParam().map) {
            press(Qt::Key_Up, 4);
        } else {
            random.feed({0.0f, drawFor(1, 5, 1), 0.0f, 0.0f, 0.0f});
            press(Qt::Key_Left, 6);
        }
    }
};

TEST_P(HostilePicture, IsShownOrReportedByName)
{
    std::string boxesUnderTheReport;
    dialogs.onMessage = [&](const std::string&) { boxesUnderTheReport = boxes(); };
    alarm(60);  // a game that waits for ever on the pipe ends the run instead
    reachTheFile();
    alarm(0);
    const std::string path = fullPath().toStdString();
    const QImage expected = expectedPicture();
    if (expected.isNull()) {
        const std::string report = GetParam().kind == Broken::Missing
            ? "Run-time error '53':\n\nFile not found: " + path
            : "Run-time error '481':\n\nInvalid picture: " + path;
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{report});
        EXPECT_EQ(dialogs.endStatus, 1);
        // The failing step went no further: a crossing did not enter map 2.
        EXPECT_EQ(boxesUnderTheReport, GetParam().map ? "30 -8 1" : "30 52 1");
        EXPECT_EQ(game.StepCount, GetParam().map ? 3 : 0);
        return;
    }
    // A readable picture up to the size limit is played: shown unscaled from its top-left corner.
    EXPECT_EQ(dialogs.endStatus, -1);
    const PictureView* view = GetParam().map ? mapView() : element<PictureView>("Battle", "Picture2");
    const QImage picture = expected.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(view->canvas().picture(), picture);
    const QRect shared = QRect({}, view->canvas().size()).intersected(picture.rect());
    const QImage corner = view->canvas().image().copy(shared);
    if (GetParam().map) {
        EXPECT_EQ(boxes(), "30 273 2");
        EXPECT_EQ(corner, picture.copy(shared));  // the hero stands below the picture
        press(Qt::Key_Up);                        // and the next step draws it as always
        EXPECT_EQ(boxes(), "30 258 2");
    } else {
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{"MONSTER HAS APPEARED"});
        EXPECT_EQ(corner, picture.copy(shared));
        EXPECT_TRUE(battle().isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    AtACrossingOrAnEncounter, HostilePicture,
    ::testing::Values(BrokenPicture{"MissingMap", Broken::Missing, true},
                      BrokenPicture{"EmptyMap", Broken::Empty, true},
                      BrokenPicture{"MapCutInItsHeader", Broken::TruncatedHeader, true},
                      BrokenPicture{"MapCutInItsData", Broken::TruncatedData, true},
                      BrokenPicture{"PngMapNamedJpg", Broken::PngNamedJpg, true},
                      BrokenPicture{"OnePixelMap", Broken::OnePixel, true},
                      BrokenPicture{"MapAtTheSizeLimit", Broken::AtTheSizeLimit, true},
                      BrokenPicture{"MapAboveTheSizeLimit", Broken::AboveTheSizeLimit, true},
                      BrokenPicture{"BombMap", Broken::Bomb, true},
                      BrokenPicture{"PipeForAMap", Broken::Pipe, true},
                      BrokenPicture{"MissingMonster", Broken::Missing, false},
                      BrokenPicture{"EmptyMonster", Broken::Empty, false},
                      BrokenPicture{"MonsterCutInItsHeader", Broken::TruncatedHeader, false},
                      BrokenPicture{"MonsterCutInItsData", Broken::TruncatedData, false},
                      BrokenPicture{"PngMonsterNamedJpg", Broken::PngNamedJpg, false},
                      BrokenPicture{"OnePixelMonster", Broken::OnePixel, false},
                      BrokenPicture{"MonsterAtTheSizeLimit", Broken::AtTheSizeLimit, false},
                      BrokenPicture{"MonsterAboveTheSizeLimit", Broken::AboveTheSizeLimit, false},
                      BrokenPicture{"PipeForAMonster", Broken::Pipe, false}),
    [](const auto& info) { return std::string(info.param.label); });

namespace {

// What loading Maps/M2.jpg from folder reports when a user other than root
// does it (root reads any file): a child process first gives up root for the
// unprivileged user "nobody".
std::string reportWithoutRoot(const PictureFolder& folder)
{
    int out[2];
    pid_t child = -1;
    if (pipe(out) != 0 || (child = fork()) < 0)
        return "no child process";
    if (child == 0) {
        std::string report = "loaded";
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            report = "root could not be given up";
        } else {
            try {
                folder.load(QStringLiteral("Maps/M2.jpg"));
            } catch (const RuntimeError& error) {
                report = error.report();
            }
        }
        const bool written = write(out[1], report.data(), report.size()) == ssize_t(report.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    close(out[0]);
    waitpid(child, nullptr, 0);
    return report;
}

}  // namespace

TEST(UnreadablePicture, IsReportedAsSuchWithTheSystemsReason)
{
    QTemporaryDir folder;
    const QByteArray maps = QFile::encodeName(folder.path() + "/Maps");
    const QByteArray file = maps + "/M2.jpg";
    ASSERT_TRUE(QDir(folder.path()).mkpath("Maps"));
    ASSERT_TRUE(QFile::copy(MIREWALK_SOURCE_DIR "/Maps/M2.jpg", file));
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()), 0755), 0);  // others may look in
    const std::string report = "Run-time error '75':\n\nPath/File access error: "
        + file.toStdString() + " (Permission denied)";

    ASSERT_EQ(chmod(file, 0), 0);  // the file may not be read
    EXPECT_EQ(reportWithoutRoot(PictureFolder(folder.path())), report);
    ASSERT_EQ(chmod(file, 0644), 0);
    ASSERT_EQ(chmod(maps, 0), 0);  // its folder may not be looked into
    EXPECT_EQ(reportWithoutRoot(PictureFolder(folder.path())), report);
    ASSERT_EQ(chmod(maps, 0755), 0);
    EXPECT_EQ(reportWithoutRoot(PictureFolder(folder.path())), "loaded");
}

TEST(MovedFolder, PicturesAreReadThroughTheFolderOpenedAtTheStart)
{
    QTemporaryDir parent;
    const QString opened = parent.path() + "/game";
    ASSERT_TRUE(QDir().mkpath(opened + "/Maps"));
    ASSERT_TRUE(QFile::copy(MIREWALK_SOURCE_DIR "/Maps/M2.jpg", opened + "/Maps/M2.jpg"));
    const PictureFolder folder(opened);
    ASSERT_TRUE(QDir().rename(opened, parent.path() + "/moved"));
    EXPECT_EQ(folder.load(QStringLiteral("Maps/M2.jpg")).size(), QSize(326, 273));
}

// ---- A start that fails ----

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

// ---- Keys held down ----

using HeldKey = GameFixture;

TEST_F(HeldKey, EveryRepeatIsOneStepAndTheBoxesFollow)
{
    start();
    game.EncountersOn = 0;  // no checks, so StepCount counts every step
    int steps = 0;
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}) {
        for (int i = 0; i < 2500; ++i) {
            repeatKey(mapView(), key);
            ASSERT_EQ(game.StepCount, ++steps);
            ASSERT_EQ(boxes(),
                      (std::to_string(game.PlayerX) + ' ' + std::to_string(game.PlayerY) + ' '
                       + std::to_string(game.MapNo)));
        }
    }
    // Round the square and back to map 1, at the stops of its lower left corner.
    EXPECT_EQ(boxes(), "30 167 1");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HeldKey, ABattleOpensAtItsStepAndTheHiddenMapTakesNoMoreKeys)
{
    start();
    // Nine quiet checks, then the tenth meets a Snake.
    for (int check = 0; check < 9; ++check)
        random.feed({LargestBelowOne});
    random.feed({0.0f, drawFor(1, 5, 1), 0.0f, 0.0f, 0.0f});
    int repeats = 0;
    while (mapWindow->isVisible() && repeats < 10000) {
        repeatKey(mapView(), Qt::Key_Right);
        ++repeats;
    }
    EXPECT_EQ(random.pending(), 0u);  // the tenth check met it
    const auto atTheBattle = stateOf(game);
    const std::size_t draws = random.draws();
    const int16_t x = game.PlayerX;

    for (int i = repeats; i < 10000; ++i)
        repeatKey(mapView(), Qt::Key_Right);
    EXPECT_EQ(stateOf(game), atTheBattle);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"MONSTER HAS APPEARED"});
    EXPECT_TRUE(battle().isVisible());
    EXPECT_FALSE(mapWindow->isVisible());

    click(element<Label>("Battle", "lblRUN"));  // back on the map the held key walks again
    QApplication::setActiveWindow(mapWindow);
    repeatKey(mapView(), Qt::Key_Left);
    EXPECT_EQ(game.PlayerX, x - 15);
}

// ---- Clicks that come after the battle window has hidden ----

class LateClick : public GameFixture {
protected:
    // Every command of the battle window, clicked with the mouse, pressed by
    // its key (while the map shows: over another window the keys are its
    // own), then sent by code as a stale click would be, then the window
    // closed through its frame.
    void clickEveryCommand()
    {
        QWidget& b = battle();
        for (const char* label : {"lblAttack", "lblCRA", "lblDefend", "lblITEM", "lblRUN"})
            click(element<Label>("Battle", label));
        for (const Qt::Key key : {Qt::Key_L, Qt::Key_C, Qt::Key_R, Qt::Key_Escape})
            if (mapWindow->isVisible())
                QTest::keyClick(&b, key);
        for (const char* label : {"lblAttack", "lblCRA", "lblRUN"})
            emit element<Label>("Battle", label)->clicked();
        b.close();
    }
};

TEST_F(LateClick, AfterAVictoryFightsNoDeadMonsterAgain)
{
    start();
    game.AttackPower = 50;
    game.LRWeaponOn = Truth::True;
    game.LRDamage = 3;
    walkIntoBattle(1);
    click(element<Label>("Battle", "lblCRA"));  // a Snake of 3 HP falls at the first blow
    ASSERT_EQ(dialogs.messages.back(), "VICTORY!!!");
    ASSERT_FALSE(battle().isVisible());
    const auto afterVictory = stateOf(game);
    const std::size_t draws = random.draws(), messages = dialogs.messages.size();
    const QString binfo = element<QPlainTextEdit>("Battle", "BINFO")->toPlainText();

    clickEveryCommand();
    EXPECT_EQ(stateOf(game), afterVictory);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(dialogs.messages.size(), messages);
    EXPECT_EQ(element<QPlainTextEdit>("Battle", "BINFO")->toPlainText(), binfo);
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_FALSE(battle().isVisible());
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(LateClick, AfterRunningAwayNeitherFightsNorShowsTheMapOverAnotherWindow)
{
    start();
    game.LRWeaponOn = Truth::True;
    game.LRDamage = 1;
    walkIntoBattle(5);
    click(element<Label>("Battle", "lblRUN"));
    random.feed({0.9f});
    choose(Qt::Key_C, Qt::Key_I);
    ASSERT_TRUE(screenNamed("frmInventory")->isVisible());
    const auto before = stateOf(game);
    const std::size_t messages = dialogs.messages.size();

    clickEveryCommand();
    EXPECT_EQ(stateOf(game), before);
    EXPECT_EQ(dialogs.messages.size(), messages);
    EXPECT_TRUE(screenNamed("frmInventory")->isVisible());
    EXPECT_FALSE(mapWindow->isVisible());
    EXPECT_FALSE(battle().isVisible());
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(LateClick, ACloseRequestToTheHiddenMapDoesNothing)
{
    start();
    walkIntoBattle(1);
    mapWindow->close();  // as a window manager asks a hidden window to close
    EXPECT_EQ(dialogs.endStatus, -1);
    EXPECT_TRUE(battle().isVisible());
}
