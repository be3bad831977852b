#include "lum/core/Vertex.h"

#include "NewObject.h"

#include "fnd/Exceptions.h"

namespace lum::core {

CVertex2D* CVertex2D::Create(const fnd::geom::PNT_2D& p, double ws, double we)
{
    return detail::NewOrThrow([&] { return new CVertex2D(p, ws, we); });
}

CVertex2D* CVertex2D::Create(const CVertex2D* src)
{
    return Create(src->m_pnt, src->m_ws, src->m_we);
}

void CVertex2D::AssertValid() const
{
    if (!fnd::TestValue(m_pnt.x) || !fnd::TestValue(m_pnt.y) || !fnd::TestValue(m_ws) || !fnd::TestValue(m_we))
        throw fnd::CVariableNotInitializedException("CVertex2D");
}

CVertex3D* CVertex3D::Create(const fnd::geom::PNT_3D& p, double ws, double we)
{
    return detail::NewOrThrow([&] { return new CVertex3D(p, ws, we); });
}

CVertex3D* CVertex3D::Create(const CVertex3D* src)
{
    return Create(src->m_pnt, src->m_ws, src->m_we);
}

void CVertex3D::AssertValid() const
{
    if (!fnd::TestValue(m_pnt.x) || !fnd::TestValue(m_pnt.y) || !fnd::TestValue(m_pnt.z) ||
        !fnd::TestValue(m_ws) || !fnd::TestValue(m_we))
        throw fnd::CVariableNotInitializedException("CVertex3D");
}

}  // namespace lum::core
