#include "lum/core/EntInsert.h"

#include "EntKindMacros.h"
#include "lum/core/Block.h"
#include "lum/core/EntFactory.h"
#include "lum/core/EntText.h"

namespace lum::core {

CEntInsertMemento::CEntInsertMemento() = default;
CEntInsertMemento::~CEntInsertMemento() = default;

CEntInsert::CEntInsert(CLayer* l, CLtype* t, std::uint16_t c, IBlock* block,
                       const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz,
                       double rotate, std::uint16_t rows, std::uint16_t cols, double colSpacing,
                       double rowSpacing, std::uint32_t h)
    : CEnt(l, t, c, h), m_pnt(pnt), m_sx(sx), m_sy(sy), m_sz(sz), m_rotate(rotate),
      m_colSpacing(colSpacing), m_rowSpacing(rowSpacing), m_cols(cols), m_rows(rows)
{
    NormalizeArrayValues();
    ReplaceBlock(block);
}

CEntInsert::CEntInsert(const CEntInsert& src)
    : CEnt(src), IEntSite(), m_pnt(src.m_pnt), m_sx(src.m_sx), m_sy(src.m_sy), m_sz(src.m_sz),
      m_rotate(src.m_rotate), m_colSpacing(src.m_colSpacing), m_rowSpacing(src.m_rowSpacing),
      m_cols(src.m_cols), m_rows(src.m_rows)
{
    ReplaceBlock(src.m_block);
}

CEntInsert::~CEntInsert() { ReplaceBlock(nullptr); }

CEntInsert* CEntInsert::Create(CLayer* l, CLtype* t, std::uint16_t c, IBlock* block,
                               const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz,
                               double rotate, std::uint16_t rows, std::uint16_t cols,
                               double colSpacing, double rowSpacing, std::uint32_t h)
{
    return detail::NewOrThrow([&] {
        return new CEntInsert(l, t, c, block, pnt, sx, sy, sz, rotate, rows, cols, colSpacing,
                              rowSpacing, h);
    });
}

CEntInsert* CEntInsert::Create(CEntFactory* factory, const CEntInsert* src)
{
    if (!src)
        return nullptr;
    auto copy = fnd::RefPtr<CEntInsert>::Adopt(detail::NewOrThrow([&] { return new CEntInsert(*src); }));
    for (unsigned i = 0; i < src->GetNoAttribs(); ++i) {
        const CEntAttrib* a = src->GetAttrib(i);
        auto attr = fnd::RefPtr<CEntAttrib>::Adopt(factory ? factory->CreateEntAttrib(a)
                                                           : CEntAttrib::Create(a));
        copy->Add(attr.get());
    }
    return copy.release();
}

CEnt* CEntInsert::Clone(CData*) const { return Create(nullptr, this); }

LUM_ENT_ACCEPT(CEntInsert)

void CEntInsert::ReplaceBlock(IBlock* block)
{
    if (m_blockRef)
        m_blockRef->SubReferringInsert();
    m_block = block;
    m_blockRef.reset(block ? block->GetBlock() : nullptr);
    if (m_blockRef)
        m_blockRef->AddReferringInsert();
}

void CEntInsert::NormalizeArrayValues()
{
    if (m_rows == 0) m_rows = 1;
    if (m_cols == 0) m_cols = 1;
}

IHandleGestor* CEntInsert::GetHandleGestor() const
{
    return m_site ? m_site->GetHandleGestor() : nullptr;
}

IDrawing* CEntInsert::GetDrawing() const { return m_site ? m_site->GetDrawing() : nullptr; }

void CEntInsert::OnInsertTable(IHandleTable* table)
{
    if (m_site)
        return;
    CEnt::OnInsertTable(table);
    if (!m_site)
        return;
    if (m_block)
        m_block->IncInsertCount();
    CEntIterator it = m_ents.GetIterator();
    while (CEnt* a = it.GetNext())
        a->OnInsertTable(static_cast<IEntSite*>(this));
}

void CEntInsert::OnRemoveTable()
{
    if (!m_site)
        return;
    CEntIterator it = m_ents.GetIterator();
    while (CEnt* a = it.GetNext())
        a->OnRemoveTable();
    if (m_block)
        m_block->DecInsertCount();
    CEnt::OnRemoveTable();
}

void CEntInsert::GetArray(std::uint16_t& rows, std::uint16_t& cols, double& colSpacing,
                          double& rowSpacing) const
{
    rows = m_rows;
    cols = m_cols;
    colSpacing = m_colSpacing;
    rowSpacing = m_rowSpacing;
}

void CEntInsert::GetSpaces(double& colSpacing, double& rowSpacing) const
{
    colSpacing = m_colSpacing;
    rowSpacing = m_rowSpacing;
}

void CEntInsert::GetInsert(fnd::geom::PNT_3D& pnt, double& sx, double& sy, double& sz,
                           double& rotate, std::uint16_t& rows, std::uint16_t& cols,
                           double& colSpacing, double& rowSpacing) const
{
    pnt = m_pnt;
    GetScale(sx, sy, sz);
    rotate = m_rotate;
    GetArray(rows, cols, colSpacing, rowSpacing);
}

void CEntInsert::AssignPlacement(const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz, double rotate)
{
    m_pnt = pnt;
    m_sx = sx;
    m_sy = sy;
    m_sz = sz;
    m_rotate = rotate;
}

void CEntInsert::SetInsert(const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz, double rotate)
{
    CModifyingEnt guard(this);
    AssignPlacement(pnt, sx, sy, sz, rotate);
}

void CEntInsert::SetInsert(const fnd::geom::VECTOR_3D& e, const fnd::geom::PNT_3D& pnt, double sx,
                           double sy, double sz, double rotate)
{
    CModifyingEnt guard(this);
    m_extrusion = e;
    AssignPlacement(pnt, sx, sy, sz, rotate);
}

void CEntInsert::SetInsert(const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz,
                           double rotate, std::uint16_t rows, std::uint16_t cols,
                           double colSpacing, double rowSpacing)
{
    CModifyingEnt guard(this);
    AssignPlacement(pnt, sx, sy, sz, rotate);
    m_rows = rows;
    m_cols = cols;
    m_colSpacing = colSpacing;
    m_rowSpacing = rowSpacing;
    NormalizeArrayValues();
}

void CEntInsert::SetInsertPnt(const fnd::geom::PNT_3D& pnt)
{
    CModifyingEnt guard(this);
    m_pnt = pnt;
}

bool CEntInsert::Add(CEntAttrib* attrib)
{
    if (!attrib || attrib->IsInserted() || m_ents.IsInserted(attrib))
        return false;
    if (!m_site) {
        m_ents.AddEnt(attrib);
        return true;
    }
    CModifyingEnt guard(this);
    attrib->OnInsertTable(static_cast<IEntSite*>(this));
    m_ents.AddEnt(attrib);
    return true;
}

CEntAttrib* CEntInsert::GetAttrib(unsigned i) const
{
    return static_cast<CEntAttrib*>(m_ents.GetEnt(i));
}

void CEntInsert::FillInsert(CEntInsertMemento& m) const
{
    FillMemento(m);
    m.pnt = m_pnt;
    m.sx = m_sx;
    m.sy = m_sy;
    m.sz = m_sz;
    m.rotate = m_rotate;
    m.colSpacing = m_colSpacing;
    m.rowSpacing = m_rowSpacing;
    m.cols = m_cols;
    m.rows = m_rows;
    m.attribs.reserve(GetNoAttribs());
    for (unsigned i = 0; i < GetNoAttribs(); ++i) {
        CEntAttrib* a = GetAttrib(i);
        auto snap = fnd::RefPtr<fnd::IMemento>::Adopt(a->CreateMemento());
        if (!snap)
            throw fnd::CExhaustedMemoryException();
        m.attribs.emplace_back(fnd::RefPtr<CEntAttrib>(a), std::move(snap));
    }
}

bool CEntInsert::InsertChanged(const CEntInsertMemento& m) const
{
    if (BaseChanged(m) || !(m.pnt == m_pnt) || m.sx != m_sx || m.sy != m_sy || m.sz != m_sz ||
        m.rotate != m_rotate || m.colSpacing != m_colSpacing || m.rowSpacing != m_rowSpacing ||
        m.cols != m_cols || m.rows != m_rows || m.attribs.size() != GetNoAttribs())
        return true;
    for (unsigned i = 0; i < GetNoAttribs(); ++i) {
        const CEntAttrib* a = GetAttrib(i);
        if (a != m.attribs[i].first.get() || a->HasChanged(m.attribs[i].second.get()))
            return true;
    }
    return false;
}

void CEntInsert::RestoreInsert(const CEntInsertMemento& m)
{
    RestoreBase(m);
    m_pnt = m.pnt;
    m_sx = m.sx;
    m_sy = m.sy;
    m_sz = m.sz;
    m_rotate = m.rotate;
    m_colSpacing = m.colSpacing;
    m_rowSpacing = m.rowSpacing;
    m_cols = m.cols;
    m_rows = m.rows;
    // The attributes: out of the site, then back from their snapshots in order.
    const CEntVectorCollection old = [this] {
        CEntVectorCollection c;
        c.AddEnts(m_ents);
        return c;
    }();
    if (m_site) {
        CEntIterator it = old.GetIterator();
        while (CEnt* a = it.GetNext())
            a->OnRemoveTable();
    }
    m_ents.RemoveAllEnts();
    for (const auto& [attr, snap] : m.attribs) {
        if (attr->IsInserted())
            continue;  // taken by another site meanwhile: left where it is
        attr->SetMemento(snap.get());
        m_ents.AddEnt(attr.get());
        if (m_site) {
            CModifyingEnt nested(this);
            attr->OnInsertTable(static_cast<IEntSite*>(this));
        }
    }
}

fnd::IMemento* CEntInsert::CreateMemento() const
{
    auto m = fnd::RefPtr<CEntInsertMemento>::Adopt(new (std::nothrow) CEntInsertMemento);
    if (!m)
        return nullptr;
    try {
        FillInsert(*m);
    } catch (const fnd::CExhaustedMemoryException&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return m.release();
}

bool CEntInsert::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEntInsertMemento>(mm);
    return !m || InsertChanged(*m);
}

void CEntInsert::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEntInsertMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreInsert(*m);
}

}  // namespace lum::core
