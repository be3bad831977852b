// The box of a text: measured with the style's font, placed by the alignment, sheared by the
// obliquing (horizontal styles only), rotated and moved to the text point.
#include "lum/core/Text3D.h"

#include "lum/core/Font.h"
#include "lum/core/Style.h"

#include <algorithm>
#include <cmath>

namespace lum::core {

namespace {
struct Metrics {
    double k = 0.0;       // drawing units per font unit
    double width = 0.0;   // W
    double top = 0.0;     // t
    double bottom = 0.0;  // b
    bool degenerate = false;  // no font or no cell height: the box is the text point
};

// False without a style. A style without a font, or a font with a cell height of 0, gives
// a degenerate box (every corner at the text point) instead of a division by zero.
bool Measure(const TEXT_3D& t, Metrics& m)
{
    const CStyle* style = t.GetStyle();
    if (!style)
        return false;
    const ICADFont* font = style->GetFont();
    if (!font || font->GetCellHeight() == 0) {
        m = Metrics{};
        m.degenerate = true;
        return true;
    }
    const CTextContext& c = t.GetContext();
    m.k = c.GetHeight() / font->GetCellHeight();
    int advance = 0, top = 0, bottom = 0;
    font->MeasureText(c.GetString().c_str(), style->IsHoriz(), style->IsBold(), style->IsItalic(),
                      advance, top, bottom);
    m.width = c.GetWidthScale() * m.k * advance;
    m.top = m.k * top;
    m.bottom = m.k * bottom;
    return true;
}

// The shift of steps "vertical by alignment" and "horizontal by alignment".
void AlignShift(const TEXT_3D& t, const Metrics& m, double& dx, double& dy)
{
    dx = dy = 0.0;
    switch (t.GetVertAlign()) {
    case 1: dy = m.k * t.GetStyle()->GetFont()->GetDescent(); break;
    case 2: dy = -(m.top + m.bottom) / 2.0; break;
    case 3: dy = -t.GetContext().GetHeight(); break;
    default: break;
    }
    switch (t.GetHorizAlign()) {
    case 1: dx = -m.width / 2.0; break;
    case 2: dx = -m.width; break;
    default: break;
    }
}
}  // namespace

bool TEXT_3D::GetExtremes(double x[4], double y[4]) const
{
    Metrics m;
    if (!Measure(*this, m))
        return false;
    if (m.degenerate) {
        for (int i = 0; i < 4; ++i) {
            x[i] = m_point.x;
            y[i] = m_point.y;
        }
        return true;
    }
    double dx = 0.0, dy = 0.0;
    AlignShift(*this, m, dx, dy);
    const double cx[4] = {0.0, m.width, m.width, 0.0};
    const double cy[4] = {m.bottom, m.bottom, m.top, m.top};
    const double shear = GetStyle()->IsHoriz() ? std::tan(GetContext().GetOblique()) : 0.0;
    const double r = GetContext().GetRotate();
    const double cr = std::cos(r), sr = std::sin(r);
    for (int i = 0; i < 4; ++i) {
        const double py = cy[i] + dy;
        const double px = cx[i] + dx + py * shear;
        x[i] = px * cr - py * sr + m_point.x;
        y[i] = px * sr + py * cr + m_point.y;
    }
    return true;
}

bool TEXT_3D::GetDeltaXY(double& dx, double& dy) const
{
    if (m_align == 0) {
        dx = dy = 0.0;
        return true;
    }
    Metrics m;
    if (!Measure(*this, m))
        return false;
    if (m.degenerate) {
        dx = dy = 0.0;
        return true;
    }
    double sx = 0.0, sy = 0.0;
    AlignShift(*this, m, sx, sy);
    const double r = GetContext().GetRotate();
    if (r != 0.0) {
        dx = sx * std::cos(r) - sy * std::sin(r);
        dy = sx * std::sin(r) + sy * std::cos(r);
    } else {
        dx = sx;
        dy = sy;
    }
    return true;
}

bool TEXT_3D::GetBasePoint(fnd::geom::PNT_3D& base) const
{
    double dx = 0.0, dy = 0.0;
    if (!GetDeltaXY(dx, dy))
        return false;
    base = {m_point.x + dx, m_point.y + dy, m_point.z};
    return true;
}

bool TEXT_3D::CalcBdry(fnd::geom::RECT_2D& box) const
{
    double x[4], y[4];
    if (!GetExtremes(x, y))
        return false;
    box = fnd::geom::RECT_2D{};
    for (int i = 0; i < 4; ++i)
        box.Add({x[i], y[i]});
    return true;
}

bool TEXT_3D::CalcBdry(fnd::geom::RECT_3D& box) const
{
    fnd::geom::RECT_2D flat;
    if (!CalcBdry(flat))
        return false;
    box.min = {flat.min.x, flat.min.y, m_point.z};
    box.max = {flat.max.x, flat.max.y, m_point.z};
    return true;
}

}  // namespace lum::core
