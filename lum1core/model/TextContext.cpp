#include "lum/core/TextContext.h"

#include <cmath>
#include <numbers>

namespace lum::core {

double NormalizeOblique(double a)
{
    constexpr double pi = std::numbers::pi;
    if (!std::isfinite(a))
        return 0.0;
    double r = a < 0.0 ? pi - std::fmod(-a, pi) : std::fmod(a, pi);
    if (r > pi / 2.0)
        r -= pi;
    return r;
}

double NormalizeRotation(double a)
{
    constexpr double twoPi = 2.0 * std::numbers::pi;
    if (!std::isfinite(a))
        return 0.0;
    double r = std::fmod(a, twoPi);
    if (r < 0.0)
        r += twoPi;
    if (r >= twoPi)  // a tiny negative remainder rounds up to 2 pi
        r = 0.0;
    return r;
}

}  // namespace lum::core
