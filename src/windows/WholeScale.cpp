#include "WholeScale.h"

#include <QByteArrayList>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "windows/BattleWindow.h"

namespace mirewalk {

namespace {

// The battle window's client area, the largest of the game's windows, with
// room for a frame (a border around it and a title bar above), at scale 1.
constexpr int LargestWidth = BattleWindow::ClientSize.width() + 2 * 8;
constexpr int LargestHeight = BattleWindow::ClientSize.height() + 8 + 40;

// What the game needs to know of the screen its windows open on, read with
// Qt's own scaling off: its name and place among the screens, its free area
// in device pixels, its logical dots per inch and the platform's own pixel ratio.
struct Monitor {
    QString name;
    qsizetype index = 0;
    QSize available;
    double dotsPerInch = 96;
    double pixelRatio = 1;
};

// A factor as the desktop gives one: a finite number above 0, else none.
std::optional<double> factorOf(const QByteArray& text)
{
    bool read = false;
    const double factor = text.trimmed().toDouble(&read);
    if (!read || !std::isfinite(factor) || factor <= 0)
        return std::nullopt;
    return factor;
}

// The factor QT_SCREEN_SCALE_FACTORS gives the screen, as Qt reads it: an
// entry "name=factor" for its name, or the plain entry at its place.
std::optional<double> listedFactor(const QByteArray& list, const Monitor& screen)
{
    const QByteArrayList entries = list.split(';');
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const qsizetype equals = entries[i].lastIndexOf('=');
        if (equals > 0 ? entries[i].left(equals) == screen.name.toUtf8() : i == screen.index)
            return factorOf(entries[i].mid(equals + 1));
    }
    return std::nullopt;
}

// Sets a variable back to what it was: its value, or not set.
void restore(const char* variable, const std::optional<QByteArray>& value)
{
    if (value)
        qputenv(variable, *value);
    else
        qunsetenv(variable);
}

std::optional<QByteArray> variable(const char* name)
{
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

// The screen the windows open on, as the application (built with Qt's scaling off) sees it.
Monitor primaryScreen()
{
    Monitor screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen.name = primary->name();
        screen.index = QGuiApplication::screens().indexOf(primary);
        screen.pixelRatio = primary->devicePixelRatio();
        screen.available = primary->availableGeometry().size() * screen.pixelRatio;
        screen.dotsPerInch = primary->logicalDotsPerInch();
    }
    return screen;
}

// The global factor that, multiplied by Qt's own factor for the screen as Qt
// multiplies them, gives exactly the scale: a picture pixel then covers a
// whole number of device pixels, never one more here and there.
double exactFactor(double scale, double screenFactor)
{
    double factor = scale / screenFactor;
    for (int step = 0; step < 8 && factor * screenFactor != scale; ++step)
        factor = std::nextafter(factor, factor * screenFactor < scale ? HUGE_VAL : 0.0);
    return factor;
}

}  // namespace

std::unique_ptr<QApplication> startAtWholeScale(int& argc, char** argv)
{
    const QByteArray globalVariable = qgetenv("QT_SCALE_FACTOR");
    const QByteArray listVariable = qgetenv("QT_SCREEN_SCALE_FACTORS");
    const std::optional<QByteArray> scalingVariable = variable("QT_ENABLE_HIGHDPI_SCALING");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    auto application = std::make_unique<QApplication>(argc, argv);
    const Monitor screen = primaryScreen();
    restore("QT_ENABLE_HIGHDPI_SCALING", scalingVariable);

    // Qt's own factor for the screen, from its dots per inch unless scaling by them is off.
    const bool byDots = scalingVariable.value_or(QByteArray()) != "0";
    const double dotsFactor = byDots ? screen.dotsPerInch / 96 : 1;
    const double asked = factorOf(globalVariable).value_or(1)
        * listedFactor(listVariable, screen).value_or(dotsFactor) * screen.pixelRatio;
    const double whole = std::max(1.0, std::floor(asked + 0.5));
    const int fits = timesTheBattleFits(screen.available);
    const int scale = whole > fits ? fits : static_cast<int>(whole);
    if (whole > fits)
        std::fprintf(
            stderr,
            "Mirewalk: the desktop asks for a scale of %g (%g whole); the battle window "
            "fits the screen's free %d x %d pixels at %d at most, so the game shows at %d\n",
            asked, whole, screen.available.width(), screen.available.height(), fits, scale);
    if (scale == 1 && dotsFactor * screen.pixelRatio == 1)
        return application;

    // Qt is given the scale as one global factor over its own factor for the
    // screen, which it takes as it is, not rounded.
    application.reset();
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "PassThrough");
    qputenv("QT_SCALE_FACTOR",
            QByteArray::number(exactFactor(scale, dotsFactor * screen.pixelRatio), 'g', 17));
    return std::make_unique<QApplication>(argc, argv);
}

int timesTheBattleFits(QSize area)
{
    return std::max(1, std::min(area.width() / LargestWidth, area.height() / LargestHeight));
}

}  // namespace mirewalk
