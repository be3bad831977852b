// Rounding, truncation and comparison of numbers.
#include "zor0util.h"

#include <climits>
#include <cmath>

namespace {
// Doubles from 2^53 up are whole numbers already: rounding them changes nothing.
constexpr double kWhole = 9007199254740992.0;

template <typename T>
T Saturate(double v)
{
    if (std::isnan(v))
        return 0;
    // The limits of long are not exact doubles; compare against 2^63 itself.
    constexpr double hi = static_cast<double>(std::numeric_limits<T>::max()) + 1.0;
    constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
    if (v >= hi)
        return std::numeric_limits<T>::max();
    if (v < lo)
        return std::numeric_limits<T>::min();
    return static_cast<T>(v);
}
}  // namespace

double ArrotondatoAtDec(double v, int decimals)
{
    if (!EstValido(v) || decimals > 300 || decimals < -300)
        return v;
    const double scale = std::pow(10.0, decimals);
    const double scaled = v * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kWhole)
        return v;
    return std::round(scaled) / scale;
}

double ArrotondatoAlVal(double v, double step)
{
    if (!EstValido(v) || !(step > 0.0) || !EstValido(step))
        return v;
    const double q = v / step;
    if (!std::isfinite(q) || std::fabs(q) >= kWhole)
        return v;
    return std::round(q) * step;
}

long LongRound(double v)
{
    return Saturate<long>(std::round(v));
}

long LongTrunk(double v)
{
    return Saturate<long>(std::trunc(v));
}

short IntRound(double v)
{
    return Saturate<short>(std::round(v));
}

double DoubleTrunk(double v)
{
    if (!EstValido(v))
        return v;
    return std::trunc(v);
}

bool UgualeA(double a, double b)
{
    if (a == b)
        return true;
    const double scale = std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
    return std::fabs(a - b) <= 1e-9 * scale;
}
