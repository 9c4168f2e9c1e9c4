#include "WholeScale.h"

#include <QByteArrayList>
#include <cmath>

namespace mirewalk {

namespace {

// A factor that reads as a number (as Qt reads it) rounded to the nearest whole
// number, half up; below 1, infinite or NaN, 1 (Qt would show no window to see).
// One that does not read as a number is left as it is, for Qt to pass over.
QByteArray whole(const QByteArray& factor)
{
    bool read = false;
    const double rounded = std::round(factor.toDouble(&read));
    if (!read)
        return factor;
    return QByteArray::number(std::isfinite(rounded) && rounded > 1 ? rounded : 1.0, 'f', 0);
}

// Rounds the factors of a variable: one number, or a ';'-separated list of
// numbers or of name=number pairs (the name ends at the last '=').
void roundFactors(const char* variable)
{
    if (!qEnvironmentVariableIsSet(variable))
        return;
    QByteArrayList factors = qgetenv(variable).split(';');
    for (QByteArray& factor : factors) {
        const qsizetype number = factor.lastIndexOf('=') + 1;
        factor = factor.left(number) + whole(factor.mid(number));
    }
    qputenv(variable, factors.join(';'));
}

}  // namespace

void useWholeScale()
{
    roundFactors("QT_SCALE_FACTOR");
    roundFactors("QT_SCREEN_SCALE_FACTORS");
    // Qt reads the variable in place of the application's own choice, so the
    // game sets the variable: the scale read from the dots per inch is rounded too.
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "Round");
}

}  // namespace mirewalk
