#include "lum/core/BlockGraph.h"

#include "lum/core/Block.h"
#include "lum/core/CoreExceptions.h"
#include "lum/core/EntInsert.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace lum::core {

CBlockGraph::~CBlockGraph() = default;

CBlockGraph::CItem* CBlockGraph::FindItem(const IBlock* block) const
{
    const auto it = m_index.find(block);
    return it == m_index.end() ? nullptr : it->second.get();
}

unsigned CBlockGraph::GetInDegree(const IBlock* block) const
{
    const CItem* item = FindItem(block);
    return item ? item->inDegree : 0;
}

void CBlockGraph::Init() const
{
    for (CItem* item : m_order)
        item->mark = 0;
}

void CBlockGraph::AddEdge(CItem* from, CItem* to)
{
    if (std::find(from->edges.begin(), from->edges.end(), to) != from->edges.end())
        return;
    from->edges.push_back(to);
    ++to->inDegree;
}

void CBlockGraph::AddBlock(IBlock* block)
{
    if (!block || Contains(block))
        return;
    auto owned = std::make_unique<CItem>();
    CItem* item = owned.get();
    item->block = block;
    std::list<IBlock*> inserted;
    CEntIterator it = block->GetCollection().GetIterator();
    while (CEnt* e = it.GetNext())
        if (const CEntInsert* ins = e->GetEntInsert(); ins && ins->GetBlock())
            inserted.push_back(ins->GetBlock());
    std::vector<CItem*> targets = Targets(inserted);
    m_order.push_back(item);
    item->pos = std::prev(m_order.end());
    try {
        m_index.emplace(block, std::move(owned));
    } catch (...) {
        m_order.pop_back();
        throw;
    }
    for (CItem* t : targets)
        AddEdge(item, t);
}

void CBlockGraph::RemoveBlock(IBlock* block)
{
    CItem* item = FindItem(block);
    if (!item)
        return;
    // Some block still reaches this one exactly when some block inserts it directly.
    if (item->inDegree != 0)
        throw CBrokenGraphException();
    for (CItem* t : item->edges)
        --t->inDegree;
    m_order.erase(item->pos);
    m_index.erase(block);
}

void CBlockGraph::RemoveAll()
{
    m_order.clear();
    m_index.clear();
}

std::vector<CBlockGraph::CItem*> CBlockGraph::Targets(const std::list<IBlock*>& inserted) const
{
    std::vector<CItem*> out;
    for (IBlock* b : inserted) {
        if (!b || b->IsXRef())
            continue;
        CItem* t = FindItem(b);
        if (t && std::find(out.begin(), out.end(), t) == out.end())
            out.push_back(t);
    }
    return out;
}

void CBlockGraph::SetEdges(CItem* item, std::vector<CItem*> edges)
{
    for (CItem* t : item->edges)
        --t->inDegree;
    item->edges = std::move(edges);
    for (CItem* t : item->edges)
        ++t->inDegree;
}

bool CBlockGraph::Reachable(const std::vector<CItem*>& from, const CItem* to) const
{
    std::unordered_set<const CItem*> seen;
    std::vector<const CItem*> stack(from.begin(), from.end());
    while (!stack.empty()) {
        const CItem* cur = stack.back();
        stack.pop_back();
        if (cur == to)
            return true;
        if (!seen.insert(cur).second)
            continue;
        for (const CItem* t : cur->edges)
            stack.push_back(t);
    }
    return false;
}

std::vector<CBlockGraph::CItem*> CBlockGraph::PostOrder() const
{
    Init();
    std::vector<CItem*> out;
    out.reserve(m_index.size());
    // Each frame: the item and the index of its next edge.
    std::vector<std::pair<CItem*, std::size_t>> stack;
    for (CItem* root : m_order) {
        if (root->mark != 0)
            continue;
        root->mark = 1;
        stack.emplace_back(root, 0);
        while (!stack.empty()) {
            auto& [item, next] = stack.back();
            if (next < item->edges.size()) {
                CItem* t = item->edges[next++];
                if (t->mark == 1)
                    throw CCyclicGraphException();
                if (t->mark == 0) {
                    t->mark = 1;
                    stack.emplace_back(t, 0);
                }
                continue;
            }
            item->mark = 2;
            out.push_back(item);
            stack.pop_back();
        }
    }
    return out;
}

void CBlockGraph::VisitUndep(IBlockOperation& op) const
{
    std::vector<IBlock*> blocks;
    for (CItem* item : PostOrder())
        blocks.push_back(item->block);
    for (IBlock* b : blocks)
        if (Contains(b))
            op.Do(b);
}

void CBlockGraph::VisitDep(IBlockOperation& op) const
{
    std::vector<IBlock*> blocks;
    for (CItem* item : PostOrder())
        blocks.push_back(item->block);
    // The operation may remove blocks: a block gone when its turn comes is skipped.
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it)
        if (Contains(*it))
            op.Do(*it);
}

bool CBlockGraph::CanSubstitute(IBlock* block, const std::list<IBlock*>& inserted) const
{
    if (inserted.empty())
        return true;
    const CItem* item = FindItem(block);
    if (!item)
        return true;
    // New edges close a cycle exactly when one of their targets reaches the block.
    return !Reachable(Targets(inserted), item);
}

void CBlockGraph::Substitute(IBlock* block, const std::list<IBlock*>& inserted)
{
    CItem* item = FindItem(block);
    if (!item)
        return;
    if (!CanSubstitute(block, inserted))
        throw CCyclicGraphException();
    SetEdges(item, Targets(inserted));
}

void CBlockGraph::DoSubstitute(IBlock* block, const std::list<IBlock*>& inserted)
{
    if (CItem* item = FindItem(block))
        SetEdges(item, Targets(inserted));
}

}  // namespace lum::core
