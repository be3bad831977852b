#include "lum/core/Ent3DFace.h"

#include "EntKindMacros.h"

namespace lum::core {

CEnt3DFace::CEnt3DFace(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D corners[4],
                       std::uint32_t flags, std::uint32_t h)
    : CEnt(l, t, c, h), m_flags(flags & 0xFu)
{
    for (unsigned i = 0; i < 4; ++i)
        m_corners[i] = corners[i];
    UpdateTriangular();
}

CEnt3DFace* CEnt3DFace::Create(CLayer* l, CLtype* t, std::uint16_t c,
                               const fnd::geom::PNT_3D corners[4], std::uint32_t flags,
                               std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEnt3DFace(l, t, c, corners, flags, h); });
}
LUM_ENT_COPY(CEnt3DFace)
LUM_ENT_ACCEPT(CEnt3DFace)

void CEnt3DFace::UpdateTriangular()
{
    if (m_corners[3] == m_corners[2])
        m_flags |= kTriangular;
    else
        m_flags &= ~kTriangular;
}

void CEnt3DFace::GetPoints(unsigned i, fnd::geom::PNT_3D& a, fnd::geom::PNT_3D& b) const
{
    a = m_corners[i & 3u];
    b = m_corners[(i + 1) & 3u];
}

void CEnt3DFace::GetLine(unsigned i, fnd::geom::LINE_3D& line) const
{
    GetPoints(i, line.start, line.end);
}

void CEnt3DFace::Set3DFace(const fnd::geom::PNT_3D corners[4], std::uint32_t flags)
{
    CModifyingEnt guard(this);
    for (unsigned i = 0; i < 4; ++i)
        m_corners[i] = corners[i];
    m_flags = flags & 0xFu;
    UpdateTriangular();
}

void CEnt3DFace::SetVertexes(const fnd::geom::PNT_3D corners[4])
{
    CModifyingEnt guard(this);
    for (unsigned i = 0; i < 4; ++i)
        m_corners[i] = corners[i];
    UpdateTriangular();
}

void CEnt3DFace::SetVertexPos(unsigned i, const fnd::geom::PNT_3D& p)
{
    if (i > 3)
        return;
    CModifyingEnt guard(this);
    m_corners[i] = p;
    if (i >= 2)
        UpdateTriangular();
}

fnd::IMemento* CEnt3DFace::CreateMemento() const
{
    auto* m = new (std::nothrow) CEnt3DFaceMemento;
    if (!m)
        return nullptr;
    FillMemento(*m);
    for (unsigned i = 0; i < 4; ++i)
        m->corners[i] = m_corners[i];
    m->flags = GetFlags();
    return m;
}

bool CEnt3DFace::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEnt3DFaceMemento>(mm);
    if (!m || BaseChanged(*m) || m->flags != GetFlags())
        return true;
    for (unsigned i = 0; i < 4; ++i)
        if (!(m->corners[i] == m_corners[i]))
            return true;
    return false;
}

void CEnt3DFace::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEnt3DFaceMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreBase(*m);
    for (unsigned i = 0; i < 4; ++i)
        m_corners[i] = m->corners[i];
    m_flags = m->flags & 0xFu;
    UpdateTriangular();
}

}  // namespace lum::core
