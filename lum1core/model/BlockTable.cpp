#include "lum/core/BlockTable.h"

#include "NewObject.h"
#include "lum/core/Block.h"
#include "lum/core/CoreExceptions.h"
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
class CRemoveOp : public IBlockOperation {
public:
    explicit CRemoveOp(CBlockTable& t) : m_t(t) {}
    void Do(IBlock* b) override { m_t.Remove(b->GetBlock()); }

private:
    CBlockTable& m_t;
};
}  // namespace

void CBlockTable::RemoveAll()
{
    try {
        CRemoveOp op(*this);
        m_graph.VisitDep(op);
    } catch (const ICoreException&) {
        // A graph that cannot be ordered: what is left goes below.
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
