#include "lum/core/BlockTable.h"

#include "NewObject.h"
#include "lum/core/Block.h"
#include "lum/core/CoreExceptions.h"
#include "lum/core/Drawing.h"
#include "lum/core/ModifyingTablesEvent.h"
#include "lum/core/EntInsert.h"

namespace lum::core {

CBlockTable* CBlockTable::Create(IDrawing* drawing)
{
    return detail::NewOrThrow([&] { return new CBlockTable(drawing); });
}

CBlockTable::~CBlockTable() { RemoveAll(); }

bool CBlockTable::Add(CBlock* block)
{
    if (!CTableImp::Add(block))
        return false;
    try {
        m_graph.AddBlock(block);
    } catch (...) {
        CTableImp::Remove(block);
        throw;
    }
    return true;
}

bool CBlockTable::AddUnique(CBlock* block)
{
    if (block && Find(block->GetName()))
        throw CNameAlreadyDefinedException();
    return Add(block);
}

bool CBlockTable::Remove(CBlock* block)
{
    if (!block || !IsMember(block))
        return false;
    m_graph.RemoveBlock(block);
    return CTableImp::Remove(block);
}

CBlock* CBlockTable::Find(const fnd::String& name) const
{
    return static_cast<CBlock*>(CTableImp::Find(name));
}

namespace {
class CCollectOp : public IBlockOperation {
public:
    std::vector<IBlock*> blocks;
    void Do(IBlock* b) override { blocks.push_back(b); }
};
}  // namespace

void CBlockTable::RemoveAll()
{
    // Each block leaves before the blocks it inserts, so none is refused; the items are let
    // go together at the end (one pass, not one search per block).
    CCollectOp order;
    try {
        m_graph.VisitDep(order);
    } catch (const ICoreException&) {
        // A graph that cannot be ordered: what is left goes below.
    }
    fnd::IContextEvent* ctx = GetDrawing() ? GetDrawing()->GetContextEvent() : nullptr;
    for (IBlock* b : order.blocks) {
        CBlock* block = b->GetBlock();
        if (!IsMember(block) || !block->IsInserted())
            continue;
        try {
            m_graph.RemoveBlock(block);
        } catch (const ICoreException&) {
        }
        block->OnRemoveTable();
        TableItemRemoved(ctx, block);
    }
    m_graph.RemoveAll();
    CTableImp::RemoveAll();
}

std::list<IBlock*> CBlockTable::InsertedBlocks(const CEntCollection& ents)
{
    std::list<IBlock*> out;
    CEntIterator it = ents.GetIterator();
    while (CEnt* e = it.GetNext())
        if (const CEntInsert* ins = e->GetEntInsert(); ins && ins->GetBlock() && !ins->GetBlock()->IsXRef())
            out.push_back(ins->GetBlock());
    return out;
}

bool CBlockTable::CanRedefine(CBlock* block, const CEntCollection& ents) const
{
    return m_graph.CanSubstitute(block, InsertedBlocks(ents));
}

void CBlockTable::Redefine(CBlock* block, const CEntCollection& ents)
{
    m_graph.DoSubstitute(block, InsertedBlocks(ents));
}

}  // namespace lum::core
