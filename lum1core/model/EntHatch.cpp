#include "lum/core/EntHatch.h"

#include "EntKindMacros.h"
#include "lum/core/BlockTable.h"
#include "lum/core/Data.h"
#include "lum/core/Drawing.h"
#include "lum/core/EntMoveVisitor.h"
#include "lum/core/Functions.h"

namespace lum::core {

namespace {
CEntHatch::BlockMaker g_maker = nullptr;

CBlockTable* TableOf(const CBlock* block)
{
    return block ? dynamic_cast<CBlockTable*>(block->ITableItem::GetHandleTable()) : nullptr;
}
}  // namespace

void CEntHatch::SetBlockMaker(BlockMaker maker) { g_maker = maker; }
CEntHatch::BlockMaker CEntHatch::GetBlockMaker() { return g_maker; }

fnd::String CEntHatch::GetHatchName(const CData* data)
{
    return data ? GetBlockProgressiveName(GetMainBlockTable(data), "*PAT") : fnd::String("*PAT1");
}

CEntHatch::CEntHatch(CLayer* l, CLtype* t, std::uint16_t c, CBlock* block, const HATCH_TYPE* pattern,
                     double scale, double rotate, const std::vector<fnd::geom::PNT_3D>& points,
                     std::uint32_t h)
    : CEntInsert(l, t, c, block, fnd::geom::PNT_3D{}, 1.0, 1.0, 1.0, 0.0, 1, 1, 0.0, 0.0, h),
      m_hatchScale(scale), m_hatchRotate(rotate), m_points(points), m_pattern(pattern),
      m_hatchBlock(block)
{
}

CEntHatch* CEntHatch::Create(CLayer* l, CLtype* t, std::uint16_t c, CBlock* block,
                             const HATCH_TYPE* pattern, double scale, double rotate,
                             const std::vector<fnd::geom::PNT_3D>& points, std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntHatch(l, t, c, block, pattern, scale, rotate, points, h); });
}

CEntHatch* CEntHatch::Create(CLayer* l, CLtype* t, std::uint16_t c, const fnd::String& blockName,
                             const HATCH_TYPE* pattern, double scale, double rotate,
                             const std::vector<fnd::geom::PNT_3D>& points, CData* data,
                             std::uint32_t h)
{
    if (!g_maker)
        return nullptr;
    auto block = fnd::RefPtr<CBlock>::Adopt(g_maker(blockName, pattern, scale, rotate, points, data));
    if (!block)
        return nullptr;
    return Create(l, t, c, block.get(), pattern, scale, rotate, points, h);
}

CEntHatch* CEntHatch::Create(CData* data, const CEntHatch* src)
{
    if (!src)
        return nullptr;
    auto block = fnd::RefPtr<CBlock>::Adopt(CBlock::Create(GetHatchName(data), fnd::geom::PNT_3D{}, 1, 0));
    if (const CBlock* from = src->GetBlock()) {
        CEntIterator it = from->GetCollection().GetIterator();
        while (CEnt* e = it.GetNext()) {
            auto copy = fnd::RefPtr<CEnt>::Adopt(e->Clone(data));
            block->Add(copy.get());
        }
    }
    auto* h = Create(src->GetLayer(), src->GetLtype(), src->GetColor(), block.get(), src->m_pattern,
                     src->m_hatchScale, src->m_hatchRotate, src->m_points, 0);
    h->m_extrusion = src->m_extrusion;
    h->m_thickness = src->m_thickness;
    h->SetUserInfo(src->GetUserType(), src->GetUserData());
    h->m_pnt = src->m_pnt;
    h->m_sx = src->m_sx;
    h->m_sy = src->m_sy;
    h->m_sz = src->m_sz;
    h->m_rotate = src->m_rotate;
    return h;
}

LUM_ENT_ACCEPT(CEntHatch)

void CEntHatch::OnInsertTable(IHandleTable* table)
{
    if (m_site)
        return;
    CEntInsert::OnInsertTable(table);
    if (!m_site || !m_hatchBlock || m_hatchBlock->IsInserted())
        return;
    if (IDrawing* d = m_site->GetDrawing())
        d->GetBlockTable()->Add(m_hatchBlock.get());
}

void CEntHatch::OnRemoveTable()
{
    if (!m_site)
        return;
    if (CBlockTable* t = TableOf(m_hatchBlock.get()))
        t->Remove(m_hatchBlock.get());
    CEntInsert::OnRemoveTable();
}

void CEntHatch::SwapBlock(CBlock* block)
{
    const fnd::RefPtr<CBlock> old = m_hatchBlock;
    CBlockTable* table = TableOf(old.get());
    // A block definition holding this hatch inserts the hatch block: its edges follow.
    CBlock* owner = m_site ? dynamic_cast<CBlock*>(m_site->GetBlockInserted()) : nullptr;
    CBlockTable* ownerTable = TableOf(owner);
    if (ownerTable)
        ownerTable->GetBlockGraph().DoSubstitute(owner, {});
    if (m_site && old)
        old->DecInsertCount();
    if (table)
        table->Remove(old.get());
    ReplaceBlock(block);
    m_hatchBlock.reset(block);
    if (table && block && !block->IsInserted())
        table->Add(block);
    if (m_site && block)
        block->IncInsertCount();
    if (ownerTable)
        ownerTable->Redefine(owner, owner->GetCollection());
}

bool CEntHatch::Redefine(CData* data, double scale, double rotate, const HATCH_TYPE* pattern)
{
    if (scale == m_hatchScale && rotate == m_hatchRotate && pattern == m_pattern)
        return true;
    if (!g_maker)
        return false;
    const fnd::String name = m_hatchBlock ? m_hatchBlock->GetName() : GetHatchName(data);
    auto block = fnd::RefPtr<CBlock>::Adopt(g_maker(name, pattern, scale, rotate, m_points, data));
    if (!block)
        return false;  // the old block stays
    CModifyingEnt guard(this);
    SwapBlock(block.get());
    m_hatchScale = scale;
    m_hatchRotate = rotate;
    m_pattern = pattern;
    return true;
}

void CEntHatch::Move(const CEntMoveVisitor& move)
{
    CModifyingEnt guard(this);
    if (m_hatchBlock) {
        CEntMoveVisitor inner(move.GetDisplacement());
        CEntIterator it = m_hatchBlock->GetCollection().GetIterator();
        while (CEnt* e = it.GetNext())
            e->Accept(inner);
    }
    const fnd::geom::VECTOR_3D d = move.InEcs(*this);
    for (fnd::geom::PNT_3D& p : m_points)
        p.move(d);
}

fnd::IMemento* CEntHatch::CreateMemento() const
{
    auto m = fnd::RefPtr<CEntHatchMemento>::Adopt(new (std::nothrow) CEntHatchMemento);
    if (!m)
        return nullptr;
    try {
        FillInsert(*m);
        m->hatchScale = m_hatchScale;
        m->hatchRotate = m_hatchRotate;
        m->pattern = m_pattern;
        m->points = m_points;
        m->block = m_hatchBlock;
        if (m_hatchBlock) {
            m->blockEnts = m_hatchBlock->GetNoEnts();
            m->blockMemento = fnd::RefPtr<CBlockMemento>::Adopt(CBlockMemento::Create(m_hatchBlock.get()));
        }
    } catch (const std::exception&) {
        return nullptr;
    }
    return m.release();
}

bool CEntHatch::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEntHatchMemento>(mm);
    if (!m || InsertChanged(*m) || m->hatchScale != m_hatchScale || m->hatchRotate != m_hatchRotate ||
        m->pattern != m_pattern || m->points != m_points || m->block.get() != m_hatchBlock.get())
        return true;
    return m_hatchBlock && m->blockMemento && m_hatchBlock->HasChanged(m->blockMemento.get());
}

void CEntHatch::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEntHatchMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreInsert(*m);
    m_hatchScale = m->hatchScale;
    m_hatchRotate = m->hatchRotate;
    m_pattern = m->pattern;
    m_points = m->points;
    if (m->block.get() != m_hatchBlock.get())
        SwapBlock(m->block.get());
    if (m_hatchBlock && m->blockMemento)
        m_hatchBlock->SetMemento(m->blockMemento.get());
}

}  // namespace lum::core
