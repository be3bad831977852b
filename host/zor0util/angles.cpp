// Angles in gon and plane geometry.
#include "zor0util.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kGonToRad = std::numbers::pi / 200.0;
}

bool EstValido(double v)
{
    return std::isfinite(v) && v < LIM_NON_VALIDO;
}

double LimiteAng0_400(double ang)
{
    if (!EstValido(ang))
        return ang;
    double r = std::fmod(ang, 400.0);
    if (r < 0.0)
        r += 400.0;
    if (r >= 400.0)   // a tiny negative remainder plus 400 rounds to 400
        r = 0.0;
    return r;
}

double LimiteAng200_200(double ang)
{
    if (!EstValido(ang))
        return ang;
    double r = LimiteAng0_400(ang);
    if (r > 200.0)
        r -= 400.0;
    return r;
}

double AngoloDaAsseRifer(double dx, double dy)
{
    if (!EstValido(dx))
        return dx;
    if (!EstValido(dy))
        return dy;
    if (dx == 0.0 && dy == 0.0)
        return 0.0;
    return LimiteAng0_400(std::atan2(dx, dy) / kGonToRad);
}

double CalcCoordEst(double dist, double dir)
{
    if (!EstValido(dist))
        return dist;
    if (!EstValido(dir))
        return dir;
    return dist * std::sin(dir * kGonToRad);
}

double CalcCoordNord(double dist, double dir)
{
    if (!EstValido(dist))
        return dist;
    if (!EstValido(dir))
        return dir;
    return dist * std::cos(dir * kGonToRad);
}

double DistQuad2pt(const double& x1, const double& y1, const double& x2, const double& y2)
{
    for (double v : {x1, y1, x2, y2})
        if (!EstValido(v))
            return VAL_NON_VALIDO;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return dx * dx + dy * dy;
}

double Distanza2pt(const double& x1, const double& y1, const double& x2, const double& y2)
{
    const double q = DistQuad2pt(x1, y1, x2, y2);
    return EstValido(q) ? std::sqrt(q) : q;
}

int ItrePtSonoInSensoAntiOrar(double x1, double y1, double x2, double y2, double x3, double y3)
{
    const double cross = (x2 - x1) * (y3 - y1) - (y2 - y1) * (x3 - x1);
    if (cross > 0.0)
        return 1;
    if (cross < 0.0)
        return -1;
    return 0;
}

bool IntersezLine(double x1, double y1, double x2, double y2,
                  double x3, double y3, double x4, double y4)
{
    const int d1 = ItrePtSonoInSensoAntiOrar(x3, y3, x4, y4, x1, y1);
    const int d2 = ItrePtSonoInSensoAntiOrar(x3, y3, x4, y4, x2, y2);
    const int d3 = ItrePtSonoInSensoAntiOrar(x1, y1, x2, y2, x3, y3);
    const int d4 = ItrePtSonoInSensoAntiOrar(x1, y1, x2, y2, x4, y4);
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    auto onSegment = [](double ax, double ay, double bx, double by, double px, double py) {
        return std::fmin(ax, bx) <= px && px <= std::fmax(ax, bx) &&
               std::fmin(ay, by) <= py && py <= std::fmax(ay, by);
    };
    return (d1 == 0 && onSegment(x3, y3, x4, y4, x1, y1)) ||
           (d2 == 0 && onSegment(x3, y3, x4, y4, x2, y2)) ||
           (d3 == 0 && onSegment(x1, y1, x2, y2, x3, y3)) ||
           (d4 == 0 && onSegment(x1, y1, x2, y2, x4, y4));
}
