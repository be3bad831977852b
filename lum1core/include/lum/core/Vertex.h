// CVertex2D and CVertex3D — a polyline vertex: position and the start and end width of the
// segment that starts at it; with their value snapshots.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefCounter.h"
#include "fnd/geom/Point.h"

namespace lum::core {

struct LUM1CORE_API CVertex2DMemento {
    fnd::geom::PNT_2D pnt;
    double widthStart = 0.0, widthEnd = 0.0;
    bool operator==(const CVertex2DMemento&) const = default;
};

struct LUM1CORE_API CVertex3DMemento {
    fnd::geom::PNT_3D pnt;
    double widthStart = 0.0, widthEnd = 0.0;
    bool operator==(const CVertex3DMemento&) const = default;
};

template <class P, class M>
class TVertex : public fnd::IRefCounter {
public:
    using Point = P;
    using Memento = M;
    const P& GetPnt() const { return m_pnt; }
    double GetWidthStart() const { return m_ws; }
    double GetWidthEnd() const { return m_we; }
    void SetVertex(const P& p, double ws, double we) { m_pnt = p; m_ws = ws; m_we = we; }
    void SetPnt(const P& p) { m_pnt = p; }
    void SetWidthStart(double w) { m_ws = w; }
    void SetWidthEnd(double w) { m_we = w; }
    bool IsWide() const { return m_ws != 0.0 || m_we != 0.0; }
    M createMemento() const { return M{m_pnt, m_ws, m_we}; }
    void setMemento(const M& m) { SetVertex(m.pnt, m.widthStart, m.widthEnd); }

protected:
    TVertex(const P& p, double ws, double we) : m_pnt(p), m_ws(ws), m_we(we) {}
    P m_pnt;
    double m_ws, m_we;
};

class LUM1CORE_API CVertex2D : public TVertex<fnd::geom::PNT_2D, CVertex2DMemento> {
public:
    static CVertex2D* Create(const fnd::geom::PNT_2D& p, double ws, double we);
    static CVertex2D* Create(const CVertex2D* src);
    fnd::String ToString() const override { return "CVertex2D"; }
    void AssertValid() const override;

private:
    CVertex2D(const fnd::geom::PNT_2D& p, double ws, double we) : TVertex(p, ws, we) {}
};

class LUM1CORE_API CVertex3D : public TVertex<fnd::geom::PNT_3D, CVertex3DMemento> {
public:
    static CVertex3D* Create(const fnd::geom::PNT_3D& p, double ws, double we);
    static CVertex3D* Create(const CVertex3D* src);
    fnd::String ToString() const override { return "CVertex3D"; }
    void AssertValid() const override;

private:
    CVertex3D(const fnd::geom::PNT_3D& p, double ws, double we) : TVertex(p, ws, we) {}
};

}  // namespace lum::core
