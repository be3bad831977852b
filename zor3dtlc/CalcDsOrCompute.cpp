// The reduction of slope distances and zenith angles, and the face correction.
#include "CalcDsOr.h"

#include <zor0util.h>

#include <cmath>

namespace {
// The value of pi of the reduction formulas (ten digits, as the instruments'
// own reductions use it).
constexpr double kPi = 3.141592654;
}

double CCalcDsOr::CalcDistOr(double di, double z) const
{
    if (!EstValido(di) || !EstValido(z))
        return VAL_NON_VALIDO;
    const double a = z * kPi / 200.0;
    double d = di * std::sin(a);
    if (FattScal)
        d = d * ValScala;
    if (!SferRifr)
        return d;
    d = d - std::cos(a) * di * di * (std::fabs(std::sin(a)) / RaggTerr - IndcRifr / (2.0 * RaggTerr));
    // The reduction to the reference surface goes only with the curvature correction.
    if (RiduGeoi)
        d = d * RaggTerr / (RaggTerr + QuotMedi);
    return d;
}

double CCalcDsOr::CalcDisliv(double di, double z, double hs, double hp) const
{
    if (!EstValido(di) || !EstValido(z) || !EstValido(hs) || !EstValido(hp))
        return VAL_NON_VALIDO;
    const double a = z * kPi / 200.0;
    double dh = di * std::cos(a);
    if (SferRifr) {
        const double s = std::fabs(std::sin(a));
        dh = dh + di * di * s * (s - IndcRifr) / (2.0 * RaggTerr);
    }
    return dh + hs - hp;
}

unsigned long CalcoloDrittoOCap(double& z, double& hz)
{
    unsigned long result = 0;
    if (EstValido(z) && z >= 200.0) {
        z = 400.0 - z;
        if (EstValido(hz))
            hz = hz - 200.0;
        result = 1;
    }
    hz = LimiteAng0_400(hz);
    return result;
}
