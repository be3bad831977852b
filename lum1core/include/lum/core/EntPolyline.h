// The polyline kinds: CEntPolyline2D (2-D vertices in the entity's own coordinate system at
// an elevation) and CEntPolyline3D (world vertices); their modifiers, which group edits into
// one notification pair and one recomputation; and their world converters.
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/Curve.h"
#include "fnd/geom/Ecs.h"
#include "lum/core/Ent.h"
#include "lum/core/PolylineData.h"
#include "lum/core/Vertex.h"

#include <memory>
#include <vector>

namespace lum::core {

class CEntLine;
class CModifyingEnt;

class LUM1CORE_API CEntPolyline2DMemento : public IEntMemento {
public:
    double elevation = 0.0;
    std::uint8_t flags = 0;
    std::uint16_t degree = 0;
    std::vector<CVertex2DMemento> vertices;
};

class LUM1CORE_API CEntPolyline3DMemento : public IEntMemento {
public:
    std::uint8_t flags = 0;
    std::uint16_t degree = 0;
    std::vector<CVertex3DMemento> vertices;
};

class LUM1CORE_API CEntPolyline2D : public CEnt {
    friend class CEntPolyline2DModifier;

public:
    static CEntPolyline2D* Create(CLayer* layer, CLtype* ltype, std::uint16_t color, double elevation,
                                  std::uint32_t flags, std::uint16_t degree, std::uint32_t handle);
    static CEntPolyline2D* Create(const CEntPolyline2D* src);
    fnd::String ToString() const override { return "CEntPolyline2D"; }
    std::uint16_t GetType() const override { return 12; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    unsigned GetNoCtrlPnts() const { return m_d.NoCtrl(); }
    CVertex2D* GetCtrlPnt(unsigned i) const { return m_d.Ctrl(i); }
    const fnd::geom::PNT_2D& GetCtrlPntPos(unsigned i) const { return m_d.Ctrl(i)->GetPnt(); }
    fnd::geom::PNT_3D GetCtrlPnt3DPos(unsigned i) const;
    unsigned GetNoVisibleVertex() const { return m_d.NoVisible(); }
    CVertex2D* GetVertex(unsigned i) const { return m_d.Visible(i); }
    const fnd::geom::PNT_2D& GetVertexPos(unsigned i) const { return m_d.Visible(i)->GetPnt(); }
    fnd::geom::PNT_3D GetVertex3DPos(unsigned i) const;
    unsigned GetNoVisibleLines() const { return m_d.NoVisible() ? m_d.NoVisible() - 1 : 0; }
    void GetPoints(unsigned i, fnd::geom::PNT_2D& a, fnd::geom::PNT_2D& b) const;
    // Visible segment i in the entity's coordinate system (z = elevation).
    void GetLine(unsigned i, fnd::geom::LINE_3D& line) const;
    std::uint8_t GetFlags() const { return m_d.Flags(); }
    std::uint8_t GetCurve() const { return m_d.Curve(); }
    bool IsCurve() const { return m_d.Curve() != 0; }
    bool IsClosed() const { return m_d.Closed(); }
    bool IsLtGen() const { return (m_d.Flags() & 0x20) != 0; }
    std::uint16_t GetDegree() const { return m_d.Degree(); }
    double GetHeight() const { return m_elevation; }
    bool IsWide() const;
    bool IsWidthConstant(double& width) const;
    double GetPolyLength() const;
    void Recalc() {}

    // Each is one change under the entity change protocol.
    void AddCtrlPnt(const fnd::geom::PNT_2D& p, double ws = 0.0, double we = 0.0);
    void InsertCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p, double ws = 0.0, double we = 0.0);
    void RemoveCtrlPnt(unsigned i);
    void RemoveCtrlPnts(unsigned first, unsigned count);
    void MoveCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p);
    void SetCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p, double ws, double we);
    void ClearCntrPnts();
    void Close(bool on);
    void Open() { Close(false); }
    void SetCurve(std::uint8_t type, std::uint16_t degree);
    void SetHeight(double elevation);
    void SetWidth(double w);
    void SetLtGen(bool on);
    void Rectify();

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntPolyline2D(CLayer* l, CLtype* t, std::uint16_t c, double elevation, std::uint32_t flags,
                   std::uint16_t degree, std::uint32_t h)
        : CEnt(l, t, c, h), m_d(static_cast<std::uint8_t>(flags), degree), m_elevation(elevation) {}
    CEntPolyline2D(const CEntPolyline2D& src) = default;

    TPolylineData<CVertex2D> m_d;
    double m_elevation;
};

class LUM1CORE_API CEntPolyline3D : public CEnt {
    friend class CEntPolyline3DModifier;

public:
    static CEntPolyline3D* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                                  std::uint32_t flags, std::uint16_t degree, std::uint32_t handle);
    static CEntPolyline3D* Create(const CEntPolyline3D* src);
    // An open plain polyline from the line's start to its end, on its layer, linetype, colour.
    static CEntPolyline3D* Create(const CEntLine* line);
    fnd::String ToString() const override { return "CEntPolyline3D"; }
    std::uint16_t GetType() const override { return 5; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    unsigned GetNoCtrlPnts() const { return m_d.NoCtrl(); }
    CVertex3D* GetCtrlPnt(unsigned i) const { return m_d.Ctrl(i); }
    const fnd::geom::PNT_3D& GetCtrlPntPos(unsigned i) const { return m_d.Ctrl(i)->GetPnt(); }
    unsigned GetNoVisibleVertex() const { return m_d.NoVisible(); }
    CVertex3D* GetVertex(unsigned i) const { return m_d.Visible(i); }
    const fnd::geom::PNT_3D& GetVertexPos(unsigned i) const { return m_d.Visible(i)->GetPnt(); }
    unsigned GetNoVisibleLines() const { return m_d.NoVisible() ? m_d.NoVisible() - 1 : 0; }
    void GetPoints(unsigned i, fnd::geom::PNT_3D& a, fnd::geom::PNT_3D& b) const;
    void GetLine(unsigned i, fnd::geom::LINE_3D& line) const;
    std::uint8_t GetFlags() const { return m_d.Flags(); }
    std::uint8_t GetCurve() const { return m_d.Curve(); }
    bool IsCurve() const { return m_d.Curve() != 0; }
    bool IsClosed() const { return m_d.Closed(); }
    bool IsLtGen() const { return (m_d.Flags() & 0x20) != 0; }
    std::uint16_t GetDegree() const { return m_d.Degree(); }
    bool IsWide() const;
    bool IsWidthConstant(double& width) const;
    double GetPolyLength() const;
    void Recalc() {}

    void AddCtrlPnt(const fnd::geom::PNT_3D& p, double ws = 0.0, double we = 0.0);
    void InsertCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p, double ws = 0.0, double we = 0.0);
    void RemoveCtrlPnt(unsigned i);
    void RemoveCtrlPnts(unsigned first, unsigned count);
    void MoveCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p);
    void SetCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p, double ws, double we);
    void ClearCntrPnts();
    void Close(bool on);
    void Open() { Close(false); }
    void SetCurve(std::uint8_t type, std::uint16_t degree);
    void SetWidth(double w);
    void SetLtGen(bool on);
    void Rectify();

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntPolyline3D(CLayer* l, CLtype* t, std::uint16_t c, std::uint32_t flags, std::uint16_t degree,
                   std::uint32_t h)
        : CEnt(l, t, c, h), m_d(static_cast<std::uint8_t>(flags), degree) {}
    CEntPolyline3D(const CEntPolyline3D& src) = default;

    TPolylineData<CVertex3D> m_d;
};

// Scoped editors. The first edit raises ModifyingEnt (when the polyline notifies at all);
// destruction recomputes a curve that needs it and raises ModifiedEnt.
class LUM1CORE_API CEntPolyline2DModifier {
public:
    explicit CEntPolyline2DModifier(CEntPolyline2D* poly);
    CEntPolyline2DModifier(const CEntPolyline2DModifier&) = delete;
    CEntPolyline2DModifier& operator=(const CEntPolyline2DModifier&) = delete;
    ~CEntPolyline2DModifier();

    void AddCtrlPnt(const fnd::geom::PNT_2D& p, double ws = 0.0, double we = 0.0);
    void InsertCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p, double ws = 0.0, double we = 0.0);
    void RemoveCtrlPnt(unsigned i) { RemoveCtrlPnts(i, 1); }
    void RemoveCtrlPnts(unsigned first, unsigned count);
    void MoveCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p);
    void SetCtrlPnt(unsigned i, const fnd::geom::PNT_2D& p, double ws, double we);
    void ClearCntrPnts();
    void Close(bool on);
    void Open() { Close(false); }
    void Rectify();
    void SetCurve(std::uint8_t type, std::uint16_t degree);
    void SetHeight(double elevation);
    void SetLtGen(bool on);
    void SetWidth(double w);
    // Every control point by (dx, dy), the elevation by dz.
    void Move(double dx, double dy, double dz);
    void Changed(bool needed) { Start(); m_recalc = needed; }
    void Recalc();

private:
    void Start();
    CEntPolyline2D* m_poly;
    std::unique_ptr<CModifyingEnt> m_guard;
    bool m_started = false;
    bool m_recalc = false;
};

class LUM1CORE_API CEntPolyline3DModifier {
public:
    explicit CEntPolyline3DModifier(CEntPolyline3D* poly);
    CEntPolyline3DModifier(const CEntPolyline3DModifier&) = delete;
    CEntPolyline3DModifier& operator=(const CEntPolyline3DModifier&) = delete;
    ~CEntPolyline3DModifier();

    void AddCtrlPnt(const fnd::geom::PNT_3D& p, double ws = 0.0, double we = 0.0);
    void InsertCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p, double ws = 0.0, double we = 0.0);
    void RemoveCtrlPnt(unsigned i) { RemoveCtrlPnts(i, 1); }
    void RemoveCtrlPnts(unsigned first, unsigned count);
    void MoveCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p);
    void SetCtrlPnt(unsigned i, const fnd::geom::PNT_3D& p, double ws, double we);
    void ClearCntrPnts();
    void Close(bool on);
    void Open() { Close(false); }
    void Rectify();
    void SetCurve(std::uint8_t type, std::uint16_t degree);
    void SetLtGen(bool on);
    void SetWidth(double w);
    void Move(const fnd::geom::VECTOR_3D& d);
    void Changed(bool needed) { Start(); m_recalc = needed; }
    void Recalc();

private:
    void Start();
    CEntPolyline3D* m_poly;
    std::unique_ptr<CModifyingEnt> m_guard;
    bool m_started = false;
    bool m_recalc = false;
};

class LUM1CORE_API CEntPolyline2DWorldConverter {
public:
    explicit CEntPolyline2DWorldConverter(const CEntPolyline2D* poly)
        : m_ecs(poly->GetExtrusion()), m_poly(poly) {}
    fnd::geom::PNT_3D GetWorldPos(const fnd::geom::PNT_2D& p) const;
    fnd::geom::PNT_3D GetWorldPos(const CVertex2D* v) const { return GetWorldPos(v->GetPnt()); }
    fnd::geom::PNT_3D GetCtrlPntWorldPos(unsigned i) const { return GetWorldPos(m_poly->GetCtrlPntPos(i)); }
    fnd::geom::PNT_3D GetVisVertexWorldPos(unsigned i) const { return GetWorldPos(m_poly->GetVertexPos(i)); }
    void GetWorldLine(unsigned i, fnd::geom::LINE_3D& line) const;
    fnd::geom::PNT_2D GetModelPos(const fnd::geom::PNT_3D& w) const;
    // The point lies within 1e-12 of the polyline's plane.
    bool IsWorldPntValid(const fnd::geom::PNT_3D& w) const;

private:
    fnd::geom::CEcs m_ecs;
    const CEntPolyline2D* m_poly;
};

class LUM1CORE_API CEntPolyline3DWorldConverter {
public:
    explicit CEntPolyline3DWorldConverter(const CEntPolyline3D* poly) : m_poly(poly) {}
    fnd::geom::PNT_3D GetWorldPos(const fnd::geom::PNT_3D& p) const { return p; }
    fnd::geom::PNT_3D GetWorldPos(const CVertex3D* v) const { return v->GetPnt(); }
    fnd::geom::PNT_3D GetCtrlPntWorldPos(unsigned i) const { return m_poly->GetCtrlPntPos(i); }
    fnd::geom::PNT_3D GetVisVertexWorldPos(unsigned i) const { return m_poly->GetVertexPos(i); }
    void GetWorldLine(unsigned i, fnd::geom::LINE_3D& line) const { m_poly->GetLine(i, line); }
    fnd::geom::PNT_3D GetModelPos(const fnd::geom::PNT_3D& w) const { return w; }
    bool IsWorldPntValid(const fnd::geom::PNT_3D&) const { return true; }

private:
    const CEntPolyline3D* m_poly;
};

}  // namespace lum::core
