// CEnt3DFace — four corners and the edge flags: bits 0-3 edge i invisible, bit 7
// triangular (the fourth corner equals the third exactly).
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/Curve.h"
#include "lum/core/Ent.h"

namespace lum::core {

class LUM1CORE_API CEnt3DFaceMemento : public IEntMemento {
public:
    fnd::geom::PNT_3D corners[4];
    std::uint32_t flags = 0;
};

class LUM1CORE_API CEnt3DFace : public CEnt {
public:
    static constexpr std::uint32_t kTriangular = 0x80;
    static CEnt3DFace* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                              const fnd::geom::PNT_3D corners[4], std::uint32_t flags,
                              std::uint32_t handle);
    static CEnt3DFace* Create(const CEnt3DFace* src);
    fnd::String ToString() const override { return "CEnt3DFace"; }
    std::uint16_t GetType() const override { return 11; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    // Corner i (0 to 3).
    const fnd::geom::PNT_3D& GetVertexPos(unsigned i) const { return m_corners[i]; }
    // The edge bits only.
    std::uint32_t GetFlags() const { return m_flags & 0xFu; }
    bool IsTriangular() const { return (m_flags & kTriangular) != 0; }
    bool IsEdgeVisib(unsigned i) const { return (m_flags & (1u << i)) == 0; }
    // Edge i runs from corner i to corner i + 1; edge 3 back to corner 0.
    void GetPoints(unsigned i, fnd::geom::PNT_3D& a, fnd::geom::PNT_3D& b) const;
    void GetLine(unsigned i, fnd::geom::LINE_3D& line) const;

    void Set3DFace(const fnd::geom::PNT_3D corners[4], std::uint32_t flags);
    void SetVertexes(const fnd::geom::PNT_3D corners[4]);
    void SetVertexPos(unsigned i, const fnd::geom::PNT_3D& p);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEnt3DFace(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D corners[4],
               std::uint32_t flags, std::uint32_t h);
    CEnt3DFace(const CEnt3DFace& src) = default;
    void UpdateTriangular();
    fnd::geom::PNT_3D m_corners[4];
    std::uint32_t m_flags = 0;
};

}  // namespace lum::core
