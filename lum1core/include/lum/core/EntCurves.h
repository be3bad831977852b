// The simple geometric kinds: point, line, circle, arc and elliptic arc, with their
// snapshots. Circles, arcs and ellipses lie in the entity's plane.
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/Curve.h"
#include "lum/core/Ent.h"

namespace lum::core {

// A snapshot of the base fields and one geometry value.
template <class G>
class TEntGeomMemento : public IEntMemento {
public:
    G geom;
};

class LUM1CORE_API CEntPntMemento : public TEntGeomMemento<fnd::geom::PNT_3D> {};
class LUM1CORE_API CEntLineMemento : public TEntGeomMemento<fnd::geom::LINE_3D> {};
class LUM1CORE_API CEntCircleMemento : public TEntGeomMemento<fnd::geom::CIRCLE_3D> {};
class LUM1CORE_API CEntArcMemento : public TEntGeomMemento<fnd::geom::ARC_3D> {};
class LUM1CORE_API CEntEllipseMemento : public TEntGeomMemento<fnd::geom::ARCELLIPSE_3D> {};

class LUM1CORE_API CEntPnt : public CEnt {
public:
    static CEntPnt* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                           const fnd::geom::PNT_3D& pnt, std::uint32_t handle);
    static CEntPnt* Create(const CEntPnt* src);
    fnd::String ToString() const override { return "CEntPnt"; }
    std::uint16_t GetType() const override { return 1; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    const fnd::geom::PNT_3D& GetPnt() const { return m_pnt; }
    void SetPnt(const fnd::geom::PNT_3D& p);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntPnt(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D& p, std::uint32_t h)
        : CEnt(l, t, c, h), m_pnt(p) {}
    CEntPnt(const CEntPnt& src) = default;
    fnd::geom::PNT_3D m_pnt;
};

class LUM1CORE_API CEntLine : public CEnt {
public:
    static CEntLine* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                            const fnd::geom::LINE_3D& line, std::uint32_t handle);
    static CEntLine* Create(const CEntLine* src);
    fnd::String ToString() const override { return "CEntLine"; }
    std::uint16_t GetType() const override { return 2; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    const fnd::geom::LINE_3D& GetLine() const { return m_line; }
    void SetLine(const fnd::geom::LINE_3D& l);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntLine(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::LINE_3D& g, std::uint32_t h)
        : CEnt(l, t, c, h), m_line(g) {}
    CEntLine(const CEntLine& src) = default;
    fnd::geom::LINE_3D m_line;
};

class LUM1CORE_API CEntCircle : public CEnt {
public:
    static CEntCircle* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                              const fnd::geom::CIRCLE_3D& circle, std::uint32_t handle);
    static CEntCircle* Create(const CEntCircle* src);
    fnd::String ToString() const override { return "CEntCircle"; }
    std::uint16_t GetType() const override { return 3; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    const fnd::geom::CIRCLE_3D& GetCircle() const { return m_circle; }
    void SetCircle(const fnd::geom::CIRCLE_3D& c);
    // Stores the extrusion as given, in the same notification.
    void SetCircle(const fnd::geom::VECTOR_3D& extrusion, const fnd::geom::CIRCLE_3D& c);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntCircle(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::CIRCLE_3D& g, std::uint32_t h)
        : CEnt(l, t, c, h), m_circle(g) {}
    CEntCircle(const CEntCircle& src) = default;
    fnd::geom::CIRCLE_3D m_circle;
};

class LUM1CORE_API CEntArc : public CEnt {
public:
    static CEntArc* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                           const fnd::geom::ARC_3D& arc, std::uint32_t handle);
    static CEntArc* Create(const CEntArc* src);
    fnd::String ToString() const override { return "CEntArc"; }
    std::uint16_t GetType() const override { return 4; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    const fnd::geom::ARC_3D& GetArc() const { return m_arc; }
    void SetArc(const fnd::geom::ARC_3D& a);
    void SetArc(const fnd::geom::VECTOR_3D& extrusion, const fnd::geom::ARC_3D& a);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntArc(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARC_3D& g, std::uint32_t h)
        : CEnt(l, t, c, h), m_arc(g) {}
    CEntArc(const CEntArc& src) = default;
    fnd::geom::ARC_3D m_arc;
};

class LUM1CORE_API CEntEllipse : public CEnt {
public:
    static CEntEllipse* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                               const fnd::geom::ARCELLIPSE_3D& ellipse, std::uint32_t handle);
    static CEntEllipse* Create(const CEntEllipse* src);
    fnd::String ToString() const override { return "CEntEllipse"; }
    std::uint16_t GetType() const override { return 13; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    const fnd::geom::ARCELLIPSE_3D& GetEllipse() const { return m_ellipse; }
    void SetEllipse(const fnd::geom::ARCELLIPSE_3D& e);
    void SetEllipse(const fnd::geom::VECTOR_3D& extrusion, const fnd::geom::ARCELLIPSE_3D& e);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntEllipse(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARCELLIPSE_3D& g, std::uint32_t h)
        : CEnt(l, t, c, h), m_ellipse(g) {}
    CEntEllipse(const CEntEllipse& src) = default;
    fnd::geom::ARCELLIPSE_3D m_ellipse;
};

}  // namespace lum::core
