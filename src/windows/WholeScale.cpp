#include "WholeScale.h"

#include <QByteArrayList>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "windows/BattleWindow.h"

namespace mirewalk {

namespace {

// The battle window's client area, the largest of the game's windows, with
// room for a frame (a border around it and a title bar above), at scale 1.
constexpr int LargestWidth = BattleWindow::ClientSize.width() + 2 * 8;
constexpr int LargestHeight = BattleWindow::ClientSize.height() + 8 + 40;

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
// entry "name=factor" for its name, or the plain entry at its place (an
// entry "=factor", of no name, is no plain factor and names no screen).
std::optional<double> listedFactor(const QByteArray& list, const Desktop& screen)
{
    const QByteArrayList entries = list.split(';');
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const qsizetype equals = entries[i].lastIndexOf('=');
        if (equals > 0 && entries[i].left(equals) == screen.screenName.toUtf8())
            return factorOf(entries[i].mid(equals + 1));
        if (equals < 0 && i == screen.screenIndex)
            return factorOf(entries[i]);
    }
    return std::nullopt;
}

// A number as the scale line writes it: plainly, never with an exponent.
QString plainly(double number)
{
    QString text = QString::number(number, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
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
void readPrimaryScreen(Desktop& screen)
{
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen.screenName = primary->name();
        screen.screenIndex = QGuiApplication::screens().indexOf(primary);
        screen.pixelRatio = primary->devicePixelRatio();
        screen.available = primary->availableGeometry().size() * screen.pixelRatio;
        screen.dotsPerInch = primary->logicalDotsPerInch();
    }
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

ChosenScale chooseScale(const Desktop& desktop)
{
    const double dotsFactor = desktop.scalesByDots ? desktop.dotsPerInch / 96 : 1;
    double asked = factorOf(desktop.scaleFactor).value_or(1)
        * listedFactor(desktop.screenScaleFactors, desktop).value_or(dotsFactor) * desktop.pixelRatio;
    if (!std::isfinite(asked) || asked > std::numeric_limits<int>::max())
        asked = 1;  // no whole number of pixels: it counts as 1
    const int whole = std::max(1, static_cast<int>(std::floor(asked + 0.5)));
    const int fits = timesTheBattleFits(desktop.available);
    ChosenScale chosen;
    chosen.scale = std::min(whole, fits);
    const QSize free = desktop.available;
    const QString asks = whole > 1
        ? QStringLiteral("the desktop asks for a scale of %1 (%2 whole); ").arg(plainly(asked)).arg(whole)
        : QString();
    if (free.width() < LargestWidth || free.height() < LargestHeight)
        chosen.line = QStringLiteral("Mirewalk: %1the battle window needs %2 x %3 pixels with its "
                                     "frame and the screen's free area is %4 x %5, so the game "
                                     "shows at 1 and part of the battle window is off the screen")
                          .arg(asks)
                          .arg(LargestWidth)
                          .arg(LargestHeight)
                          .arg(free.width())
                          .arg(free.height());
    else if (whole > fits)
        chosen.line = QStringLiteral("Mirewalk: %1the battle window fits the screen's free %2 x %3 "
                                     "pixels at %4 at most, so the game shows at %4")
                          .arg(asks)
                          .arg(free.width())
                          .arg(free.height())
                          .arg(fits);
    // Qt's own factor for the screen: it raises one from the dots per inch
    // below 1 to 1, even when it takes factors as they are.
    const double screenFactor = std::max(1.0, dotsFactor) * desktop.pixelRatio;
    if (chosen.scale != 1 || screenFactor != 1)
        chosen.qtScaleFactor = exactFactor(chosen.scale, screenFactor);
    return chosen;
}

std::unique_ptr<QApplication> startAtWholeScale(int& argc, char** argv)
{
    Desktop desktop;
    desktop.scaleFactor = qgetenv("QT_SCALE_FACTOR");
    desktop.screenScaleFactors = qgetenv("QT_SCREEN_SCALE_FACTORS");
    const std::optional<QByteArray> scalingVariable = variable("QT_ENABLE_HIGHDPI_SCALING");
    desktop.scalesByDots = scalingVariable.value_or(QByteArray()) != "0";
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    auto application = std::make_unique<QApplication>(argc, argv);
    readPrimaryScreen(desktop);
    restore("QT_ENABLE_HIGHDPI_SCALING", scalingVariable);

    const ChosenScale chosen = chooseScale(desktop);
    if (!chosen.line.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(chosen.line));
    if (chosen.qtScaleFactor == 0)
        return application;
    // Qt is given the scale as one global factor over its own factor for the
    // screen, which it takes as it is, not rounded.
    application.reset();
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "PassThrough");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(chosen.qtScaleFactor, 'g', 17));
    return std::make_unique<QApplication>(argc, argv);
}

int timesTheBattleFits(QSize area)
{
    return std::max(1, std::min(area.width() / LargestWidth, area.height() / LargestHeight));
}

}  // namespace mirewalk
