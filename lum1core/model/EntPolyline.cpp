#include "lum/core/EntPolyline.h"

#include "EntKindMacros.h"
#include "lum/core/EntCurves.h"

#include <cmath>

namespace lum::core {

namespace {
double Dist(const fnd::geom::PNT_2D& a, const fnd::geom::PNT_2D& b) { return std::hypot(b.x - a.x, b.y - a.y); }
double Dist(const fnd::geom::PNT_3D& a, const fnd::geom::PNT_3D& b) { return (b - a).Length(); }

template <class Poly>
bool AnyWide(const Poly& p)
{
    for (unsigned i = 0; i < p.GetNoCtrlPnts(); ++i)
        if (p.GetCtrlPnt(i)->IsWide())
            return true;
    return false;
}

template <class Poly>
bool WidthConstant(const Poly& p, double& width)
{
    width = 0.0;
    if (p.GetNoCtrlPnts() == 0)
        return false;
    const double w = p.GetCtrlPnt(0)->GetWidthStart();
    for (unsigned i = 0; i < p.GetNoCtrlPnts(); ++i)
        if (p.GetCtrlPnt(i)->GetWidthStart() != w || p.GetCtrlPnt(i)->GetWidthEnd() != w)
            return false;
    width = w;
    return true;
}

template <class Poly>
double Length(const Poly& p)
{
    double len = 0.0;
    for (unsigned i = 1; i < p.GetNoVisibleVertex(); ++i)
        len += Dist(p.GetVertexPos(i - 1), p.GetVertexPos(i));
    return len;
}
}  // namespace

// 2-D polyline.

CEntPolyline2D* CEntPolyline2D::Create(CLayer* l, CLtype* t, std::uint16_t c, double elevation,
                                       std::uint32_t flags, std::uint16_t degree, std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntPolyline2D(l, t, c, elevation, flags, degree, h); });
}
LUM_ENT_COPY(CEntPolyline2D)
LUM_ENT_ACCEPT(CEntPolyline2D)

fnd::geom::PNT_3D CEntPolyline2D::GetCtrlPnt3DPos(unsigned i) const
{
    const auto& p = GetCtrlPntPos(i);
    return {p.x, p.y, m_elevation};
}

fnd::geom::PNT_3D CEntPolyline2D::GetVertex3DPos(unsigned i) const
{
    const auto& p = GetVertexPos(i);
    return {p.x, p.y, m_elevation};
}

void CEntPolyline2D::GetPoints(unsigned i, fnd::geom::PNT_2D& a, fnd::geom::PNT_2D& b) const
{
    a = GetVertexPos(i);
    b = GetVertexPos(i + 1);
}

void CEntPolyline2D::GetLine(unsigned i, fnd::geom::LINE_3D& line) const
{
    line.start = GetVertex3DPos(i);
    line.end = GetVertex3DPos(i + 1);
}

bool CEntPolyline2D::IsWide() const { return AnyWide(*this); }
bool CEntPolyline2D::IsWidthConstant(double& w) const { return WidthConstant(*this, w); }
double CEntPolyline2D::GetPolyLength() const { return Length(*this); }

void CEntPolyline2D::AddCtrlPnt(const fnd::geom::PNT_2D& p, double ws, double we) { CEntPolyline2DModifier(this).AddCtrlPnt(p, ws, we); }
void CEntPolyline2D::InsertCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p, double ws, double we) { CEntPolyline2DModifier(this).InsertCtrlPnt(i, p, ws, we); }
void CEntPolyline2D::RemoveCtrlPnt(unsigned i) { CEntPolyline2DModifier(this).RemoveCtrlPnt(i); }
void CEntPolyline2D::RemoveCtrlPnts(unsigned f, unsigned n) { CEntPolyline2DModifier(this).RemoveCtrlPnts(f, n); }
void CEntPolyline2D::MoveCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p) { CEntPolyline2DModifier(this).MoveCtrlPnt(i, p); }
void CEntPolyline2D::SetCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p, double ws, double we) { CEntPolyline2DModifier(this).SetCtrlPnt(i, p, ws, we); }
void CEntPolyline2D::ClearCntrPnts() { CEntPolyline2DModifier(this).ClearCntrPnts(); }
void CEntPolyline2D::Close(bool on) { CEntPolyline2DModifier(this).Close(on); }
void CEntPolyline2D::SetCurve(std::uint8_t t, std::uint16_t d) { CEntPolyline2DModifier(this).SetCurve(t, d); }
void CEntPolyline2D::SetHeight(double e) { CEntPolyline2DModifier(this).SetHeight(e); }
void CEntPolyline2D::SetWidth(double w) { CEntPolyline2DModifier(this).SetWidth(w); }
void CEntPolyline2D::SetLtGen(bool on) { CEntPolyline2DModifier(this).SetLtGen(on); }
void CEntPolyline2D::Rectify() { CEntPolyline2DModifier(this).Rectify(); }

fnd::IMemento* CEntPolyline2D::CreateMemento() const
{
    auto* m = new (std::nothrow) CEntPolyline2DMemento;
    if (!m)
        return nullptr;
    try {
        FillMemento(*m);
        m->elevation = m_elevation;
        m->flags = m_d.Flags();
        m->degree = m_d.Degree();
        m->vertices = m_d.CtrlMementos();
    } catch (const std::bad_alloc&) {
        m->SubReference();
        return nullptr;
    }
    return m;
}

bool CEntPolyline2D::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEntPolyline2DMemento>(mm);
    return !m || BaseChanged(*m) || m->elevation != m_elevation || m->flags != m_d.Flags() ||
           m->degree != m_d.Degree() || !m_d.SameCtrl(m->vertices);
}

void CEntPolyline2D::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEntPolyline2DMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreBase(*m);
    m_elevation = m->elevation;
    m_d.Restore(m->flags, m->degree, m->vertices);
}

// 3-D polyline.

CEntPolyline3D* CEntPolyline3D::Create(CLayer* l, CLtype* t, std::uint16_t c, std::uint32_t flags,
                                       std::uint16_t degree, std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntPolyline3D(l, t, c, flags, degree, h); });
}
LUM_ENT_COPY(CEntPolyline3D)
LUM_ENT_ACCEPT(CEntPolyline3D)

CEntPolyline3D* CEntPolyline3D::Create(const CEntLine* line)
{
    if (!line)
        return nullptr;
    auto* p = Create(line->GetLayer(), line->GetLtype(), line->GetColor(), 0, 0, 0);
    p->m_d.Insert(0, line->GetLine().start, 0.0, 0.0);
    p->m_d.Insert(1, line->GetLine().end, 0.0, 0.0);
    return p;
}

void CEntPolyline3D::GetPoints(unsigned i, fnd::geom::PNT_3D& a, fnd::geom::PNT_3D& b) const
{
    a = GetVertexPos(i);
    b = GetVertexPos(i + 1);
}

void CEntPolyline3D::GetLine(unsigned i, fnd::geom::LINE_3D& line) const { GetPoints(i, line.start, line.end); }

bool CEntPolyline3D::IsWide() const { return AnyWide(*this); }
bool CEntPolyline3D::IsWidthConstant(double& w) const { return WidthConstant(*this, w); }
double CEntPolyline3D::GetPolyLength() const { return Length(*this); }

void CEntPolyline3D::AddCtrlPnt(const fnd::geom::PNT_3D& p, double ws, double we) { CEntPolyline3DModifier(this).AddCtrlPnt(p, ws, we); }
void CEntPolyline3D::InsertCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p, double ws, double we) { CEntPolyline3DModifier(this).InsertCtrlPnt(i, p, ws, we); }
void CEntPolyline3D::RemoveCtrlPnt(unsigned i) { CEntPolyline3DModifier(this).RemoveCtrlPnt(i); }
void CEntPolyline3D::RemoveCtrlPnts(unsigned f, unsigned n) { CEntPolyline3DModifier(this).RemoveCtrlPnts(f, n); }
void CEntPolyline3D::MoveCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p) { CEntPolyline3DModifier(this).MoveCtrlPnt(i, p); }
void CEntPolyline3D::SetCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p, double ws, double we) { CEntPolyline3DModifier(this).SetCtrlPnt(i, p, ws, we); }
void CEntPolyline3D::ClearCntrPnts() { CEntPolyline3DModifier(this).ClearCntrPnts(); }
void CEntPolyline3D::Close(bool on) { CEntPolyline3DModifier(this).Close(on); }
void CEntPolyline3D::SetCurve(std::uint8_t t, std::uint16_t d) { CEntPolyline3DModifier(this).SetCurve(t, d); }
void CEntPolyline3D::SetWidth(double w) { CEntPolyline3DModifier(this).SetWidth(w); }
void CEntPolyline3D::SetLtGen(bool on) { CEntPolyline3DModifier(this).SetLtGen(on); }
void CEntPolyline3D::Rectify() { CEntPolyline3DModifier(this).Rectify(); }

fnd::IMemento* CEntPolyline3D::CreateMemento() const
{
    auto* m = new (std::nothrow) CEntPolyline3DMemento;
    if (!m)
        return nullptr;
    try {
        FillMemento(*m);
        m->flags = m_d.Flags();
        m->degree = m_d.Degree();
        m->vertices = m_d.CtrlMementos();
    } catch (const std::bad_alloc&) {
        m->SubReference();
        return nullptr;
    }
    return m;
}

bool CEntPolyline3D::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEntPolyline3DMemento>(mm);
    return !m || BaseChanged(*m) || m->flags != m_d.Flags() || m->degree != m_d.Degree() ||
           !m_d.SameCtrl(m->vertices);
}

void CEntPolyline3D::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEntPolyline3DMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreBase(*m);
    m_d.Restore(m->flags, m->degree, m->vertices);
}

// Modifiers.

#define LUM_MODIFIER_COMMON(Mod, Poly, P)                                                          \
    Mod::Mod(Poly* poly) : m_poly(poly) {}                                                       \
    Mod::~Mod()                                                                                  \
    {                                                                                            \
        if (m_started && m_recalc && m_poly->m_d.Curve() != 0)                                   \
            m_poly->m_d.Recalc();                                                                \
        m_guard.reset();                                                                         \
    }                                                                                            \
    void Mod::Start()                                                                            \
    {                                                                                            \
        if (m_started)                                                                           \
            return;                                                                              \
        m_started = true;                                                                        \
        m_guard = std::make_unique<CModifyingEnt>(m_poly);                                       \
    }                                                                                            \
    void Mod::Recalc()                                                                           \
    {                                                                                            \
        Start();                                                                                 \
        m_poly->m_d.Recalc();                                                                    \
        m_recalc = false;                                                                        \
    }                                                                                            \
    void Mod::AddCtrlPnt(const P& p, double ws, double we)                                       \
    {                                                                                            \
        Start();                                                                                 \
        m_recalc |= m_poly->m_d.Insert(m_poly->m_d.NoCtrl(), p, ws, we);                         \
    }                                                                                            \
    void Mod::InsertCtrlPnt(unsigned i, const P& p, double ws, double we)                        \
    {                                                                                            \
        Start();                                                                                 \
        m_recalc |= m_poly->m_d.Insert(i, p, ws, we);                                            \
    }                                                                                            \
    void Mod::RemoveCtrlPnts(unsigned first, unsigned count)                                     \
    {                                                                                            \
        Start();                                                                                 \
        m_recalc |= m_poly->m_d.Remove(first, count);                                            \
    }                                                                                            \
    void Mod::MoveCtrlPnt(unsigned i, const P& p)                                                \
    {                                                                                            \
        Start();                                                                                 \
        if (const auto* v = m_poly->m_d.Ctrl(i))                                                 \
            m_recalc |= m_poly->m_d.Set(i, p, v->GetWidthStart(), v->GetWidthEnd());             \
    }                                                                                            \
    void Mod::SetCtrlPnt(unsigned i, const P& p, double ws, double we)                           \
    {                                                                                            \
        Start();                                                                                 \
        m_recalc |= m_poly->m_d.Set(i, p, ws, we);                                               \
    }                                                                                            \
    void Mod::ClearCntrPnts()                                                                    \
    {                                                                                            \
        Start();                                                                                 \
        m_recalc |= m_poly->m_d.Clear();                                                         \
    }                                                                                            \
    void Mod::Close(bool on)                                                                     \
    {                                                                                            \
        Start();                                                                                 \
        m_poly->m_d.Close(on);                                                                   \
    }                                                                                            \
    void Mod::Rectify()                                                                          \
    {                                                                                            \
        Start();                                                                                 \
        m_poly->m_d.Rectify();                                                                   \
        m_recalc = false;                                                                        \
    }                                                                                            \
    void Mod::SetCurve(std::uint8_t type, std::uint16_t degree)                                  \
    {                                                                                            \
        Start();                                                                                 \
        m_poly->m_d.SetCurve(type, degree);                                                      \
    }                                                                                            \
    void Mod::SetLtGen(bool on)                                                                  \
    {                                                                                            \
        Start();                                                                                 \
        m_poly->m_d.SetLtGen(on);                                                                \
    }                                                                                            \
    void Mod::SetWidth(double w)                                                                 \
    {                                                                                            \
        Start();                                                                                 \
        m_poly->m_d.SetWidth(w);                                                                 \
    }

LUM_MODIFIER_COMMON(CEntPolyline2DModifier, CEntPolyline2D, fnd::geom::PNT_2D)
LUM_MODIFIER_COMMON(CEntPolyline3DModifier, CEntPolyline3D, fnd::geom::PNT_3D)
#undef LUM_MODIFIER_COMMON

void CEntPolyline2DModifier::SetHeight(double elevation)
{
    Start();
    m_poly->m_elevation = elevation;
}

void CEntPolyline2DModifier::Move(double dx, double dy, double dz)
{
    Start();
    m_recalc |= m_poly->m_d.ForEachCtrl([&](CVertex2D& v) {
        fnd::geom::PNT_2D p = v.GetPnt();
        p.move(dx, dy);
        v.SetPnt(p);
    });
    m_poly->m_elevation += dz;
}

void CEntPolyline3DModifier::Move(const fnd::geom::VECTOR_3D& d)
{
    Start();
    m_recalc |= m_poly->m_d.ForEachCtrl([&](CVertex3D& v) {
        fnd::geom::PNT_3D p = v.GetPnt();
        p.move(d);
        v.SetPnt(p);
    });
}

// World conversion.

fnd::geom::PNT_3D CEntPolyline2DWorldConverter::GetWorldPos(const fnd::geom::PNT_2D& p) const
{
    return m_ecs.ToWorld({p.x, p.y, m_poly->GetHeight()});
}

void CEntPolyline2DWorldConverter::GetWorldLine(unsigned i, fnd::geom::LINE_3D& line) const
{
    line.start = GetVisVertexWorldPos(i);
    line.end = GetVisVertexWorldPos(i + 1);
}

fnd::geom::PNT_2D CEntPolyline2DWorldConverter::GetModelPos(const fnd::geom::PNT_3D& w) const
{
    const fnd::geom::PNT_3D m = m_ecs.FromWorld(w);
    return {m.x, m.y};
}

bool CEntPolyline2DWorldConverter::IsWorldPntValid(const fnd::geom::PNT_3D& w) const
{
    return std::fabs(m_ecs.FromWorld(w).z - m_poly->GetHeight()) <= 1e-12;
}

}  // namespace lum::core
