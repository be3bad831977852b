// TPolylineData — what the two polyline kinds share: the control points, the visible
// vertices derived from them, the flags (bits 0-3 curve type: 0 none, 1 cubic B-spline,
// 2 cubic Catmull-Rom; bit 4 closed; bit 5 linetype generation) and the degree, with the
// edit operations (no notification; the entities and their modifiers add the protocol).
// Plain polylines share their control-point objects as visible vertices; curve-fitted ones
// sample 10 points per span of the cubic curve.
#pragma once

#include "fnd/RefPtr.h"
#include "fnd/geom/Point.h"

#include <cstdint>
#include <vector>

namespace lum::core {

inline fnd::geom::PNT_3D PolyToP3(const fnd::geom::PNT_3D& p) { return p; }
inline fnd::geom::PNT_3D PolyToP3(const fnd::geom::PNT_2D& p) { return {p.x, p.y, 0.0}; }
inline void PolyFromP3(const fnd::geom::PNT_3D& q, fnd::geom::PNT_3D& p) { p = q; }
inline void PolyFromP3(const fnd::geom::PNT_3D& q, fnd::geom::PNT_2D& p) { p = {q.x, q.y}; }

template <class V>
class TPolylineData {
public:
    using P = typename V::Point;
    using Ref = fnd::RefPtr<V>;
    static constexpr std::uint8_t kCurveMask = 0x0F, kClosed = 0x10, kLtGen = 0x20;

    TPolylineData(std::uint8_t flags, std::uint16_t degree)
        : m_flags(flags), m_degree((flags & kCurveMask) ? degree : 0) {}
    // A deep copy of the control points, visible vertices recomputed.
    TPolylineData(const TPolylineData& src) : m_flags(src.m_flags), m_degree(src.m_degree)
    {
        m_ctrl.reserve(src.m_ctrl.size());
        for (const Ref& v : src.m_ctrl)
            m_ctrl.push_back(Ref::Adopt(V::Create(v.get())));
        Recalc();
    }
    TPolylineData& operator=(const TPolylineData&) = delete;

    unsigned NoCtrl() const { return static_cast<unsigned>(m_ctrl.size()); }
    unsigned NoVisible() const { return static_cast<unsigned>(m_vis.size()); }
    V* Ctrl(unsigned i) const { return i < m_ctrl.size() ? m_ctrl[i].get() : nullptr; }
    V* Visible(unsigned i) const { return i < m_vis.size() ? m_vis[i].get() : nullptr; }
    std::uint8_t Flags() const { return m_flags; }
    std::uint8_t Curve() const { return m_flags & kCurveMask; }
    bool Closed() const { return (m_flags & kClosed) != 0; }
    std::uint16_t Degree() const { return m_degree; }

    // Edits. Plain polylines keep the visible vertices in step; a curve is marked for
    // recomputation (the return value says whether one is needed).
    bool Insert(unsigned i, const P& p, double ws, double we)
    {
        if (i > m_ctrl.size())
            i = static_cast<unsigned>(m_ctrl.size());
        Ref v = Ref::Adopt(V::Create(p, ws, we));
        m_ctrl.insert(m_ctrl.begin() + i, v);
        if (Curve() != 0)
            return true;
        if (Closed() && m_ctrl.size() == 1) {
            m_vis = {v, v};
        } else if (Closed() && i == 0) {
            m_vis.insert(m_vis.begin(), v);
            m_vis.back() = v;
        } else {
            m_vis.insert(m_vis.begin() + i, v);
        }
        return false;
    }
    bool Remove(unsigned first, unsigned count)
    {
        if (first >= m_ctrl.size() || count == 0)
            return false;
        count = std::min<unsigned>(count, static_cast<unsigned>(m_ctrl.size()) - first);
        m_ctrl.erase(m_ctrl.begin() + first, m_ctrl.begin() + first + count);
        if (Curve() != 0)
            return true;
        Recalc();
        return false;
    }
    bool Set(unsigned i, const P& p, double ws, double we)
    {
        if (i >= m_ctrl.size())
            return false;
        m_ctrl[i]->SetVertex(p, ws, we);  // shared with the visible list when plain
        return Curve() != 0;
    }
    bool Clear()
    {
        m_ctrl.clear();
        if (Curve() != 0)
            return true;
        m_vis.clear();
        return false;
    }
    void Close(bool on)
    {
        if (on == Closed())
            return;
        m_flags = on ? (m_flags | kClosed) : (m_flags & ~kClosed);
        if (Curve() != 0) {
            Recalc();
        } else if (on) {
            if (!m_vis.empty())
                m_vis.push_back(m_vis.front());
        } else if (!m_vis.empty() && m_ctrl.size() + 1 == m_vis.size()) {
            m_vis.pop_back();
        }
    }
    void SetCurve(std::uint8_t type, std::uint16_t degree)
    {
        type &= kCurveMask;
        if ((type != 0 && type == Curve() && degree == m_degree) || (type == 0 && Curve() == 0))
            return;
        m_flags = static_cast<std::uint8_t>((m_flags & ~kCurveMask) | type);
        m_degree = type ? degree : 0;
        Recalc();
    }
    void SetLtGen(bool on) { m_flags = on ? (m_flags | kLtGen) : (m_flags & ~kLtGen); }
    void SetWidth(double w)
    {
        for (Ref& v : m_ctrl) {
            v->SetWidthStart(w);
            v->SetWidthEnd(w);
        }
        if (Curve() != 0)
            for (Ref& v : m_vis) {
                v->SetWidthStart(w);
                v->SetWidthEnd(w);
            }
    }
    void Rectify()
    {
        Recalc();
        std::vector<Ref> pts = m_vis;
        if (Closed() && !pts.empty() && pts.size() > 1)
            pts.pop_back();
        m_ctrl = std::move(pts);
        m_flags &= ~kCurveMask;
        m_degree = 0;
        Recalc();
    }
    // Moves every control point (and, for plain polylines, the shared visible vertices).
    template <class F>
    bool ForEachCtrl(F f)
    {
        for (Ref& v : m_ctrl)
            f(*v);
        return Curve() != 0;
    }
    // Rebuilds the control points from snapshots.
    void Restore(std::uint8_t flags, std::uint16_t degree, const std::vector<typename V::Memento>& pts)
    {
        m_flags = flags;
        m_degree = degree;
        m_ctrl.clear();
        m_ctrl.reserve(pts.size());
        for (const auto& m : pts)
            m_ctrl.push_back(Ref::Adopt(V::Create(m.pnt, m.widthStart, m.widthEnd)));
        Recalc();
    }
    bool SameCtrl(const std::vector<typename V::Memento>& pts) const
    {
        if (pts.size() != m_ctrl.size())
            return false;
        for (std::size_t i = 0; i < pts.size(); ++i)
            if (!(m_ctrl[i]->createMemento() == pts[i]))
                return false;
        return true;
    }
    std::vector<typename V::Memento> CtrlMementos() const
    {
        std::vector<typename V::Memento> out;
        out.reserve(m_ctrl.size());
        for (const Ref& v : m_ctrl)
            out.push_back(v->createMemento());
        return out;
    }

    // Recomputes the visible vertices from scratch.
    void Recalc()
    {
        m_vis.clear();
        const std::size_t n = m_ctrl.size();
        if (Curve() == 0 || n < 3) {
            m_vis = m_ctrl;
            if (!m_vis.empty() && Closed() && (Curve() == 0 || n == 2))
                m_vis.push_back(m_ctrl.front());
            return;
        }
        std::vector<fnd::geom::PNT_3D> pts;
        pts.reserve(n + 4);
        auto at = [&](std::size_t i) { return PolyToP3(m_ctrl[i]->GetPnt()); };
        if (Closed()) {
            pts.push_back(at(n - 1));
            for (std::size_t i = 0; i < n; ++i)
                pts.push_back(at(i));
            pts.push_back(at(0));
            pts.push_back(at(1));
        } else {
            const int ends = Curve() == 1 ? 3 : 2;
            for (int k = 1; k < ends; ++k)
                pts.push_back(at(0));
            for (std::size_t i = 0; i < n; ++i)
                pts.push_back(at(i));
            for (int k = 1; k < ends; ++k)
                pts.push_back(at(n - 1));
        }
        static const double kBSpline[4][4] = {{-1 / 6.0, 3 / 6.0, -3 / 6.0, 1 / 6.0},
                                              {3 / 6.0, -6 / 6.0, 3 / 6.0, 0.0},
                                              {-3 / 6.0, 0.0, 3 / 6.0, 0.0},
                                              {1 / 6.0, 4 / 6.0, 1 / 6.0, 0.0}};
        static const double kCatmull[4][4] = {{-0.5, 1.5, -1.5, 0.5},
                                              {1.0, -2.5, 2.0, -0.5},
                                              {-0.5, 0.0, 0.5, 0.0},
                                              {0.0, 1.0, 0.0, 0.0}};
        const double(&M)[4][4] = Curve() == 1 ? kBSpline : kCatmull;
        const std::size_t spans = pts.size() - 3;
        const std::size_t segs = 10 * spans;
        const double w0 = m_ctrl[0]->GetWidthStart();
        const double step = (m_ctrl[n - 2]->GetWidthEnd() - w0) / static_cast<double>(segs);
        m_vis.reserve(segs + 1);
        auto emit = [&](std::size_t k, double t) {
            const double T[4] = {t * t * t, t * t, t, 1.0};
            fnd::geom::PNT_3D q;
            for (int j = 0; j < 4; ++j) {
                double c = 0.0;
                for (int i = 0; i < 4; ++i)
                    c += T[i] * M[i][j];
                q.x += c * pts[k + j].x;
                q.y += c * pts[k + j].y;
                q.z += c * pts[k + j].z;
            }
            P p;
            PolyFromP3(q, p);
            const double ws = w0 + step * static_cast<double>(m_vis.size());
            m_vis.push_back(Ref::Adopt(V::Create(p, ws, ws + step)));
        };
        for (std::size_t k = 0; k < spans; ++k) {
            if (k == 0)
                emit(0, 0.0);
            for (double t = 0.1; t <= 1.0 + 2e-12; t += 0.1)
                emit(k, t);
        }
        m_vis.back()->SetWidthEnd(m_vis.back()->GetWidthStart());
    }

private:
    std::vector<Ref> m_ctrl;
    std::vector<Ref> m_vis;
    std::uint8_t m_flags;
    std::uint16_t m_degree;
};

}  // namespace lum::core
