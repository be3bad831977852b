// CBlockGraph — which blocks insert which. Items keep the order blocks were added; each
// item has its edges (the blocks it inserts directly, no duplicates, no external
// references) and an in-degree (how many items insert it). Items are indexed by block, and
// every walk runs on an explicit stack, so deep chains of nested blocks cost linear time and
// no call depth.
#pragma once

#include "lum1core_export.h"

#include <cstdint>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

namespace lum::core {

class IBlock;

class LUM1CORE_API IBlockOperation {
public:
    virtual ~IBlockOperation() = default;
    virtual void Do(IBlock* block) = 0;
};

class LUM1CORE_API CBlockGraph {
public:
    struct CItem {
        IBlock* block = nullptr;
        std::vector<CItem*> edges;
        unsigned inDegree = 0;
        std::uint16_t mark = 0;  // 0 not visited, 1 on the current path, 2 done
        std::list<CItem*>::iterator pos;
    };

    CBlockGraph() = default;
    CBlockGraph(const CBlockGraph&) = delete;
    CBlockGraph& operator=(const CBlockGraph&) = delete;
    ~CBlockGraph();

    // Appends the block with edges to the blocks of its inserts that are already in the graph.
    void AddBlock(IBlock* block);
    // Takes the block out; CBrokenGraphException (nothing changed) while another block
    // inserts it. A block not in the graph is ignored.
    void RemoveBlock(IBlock* block);
    void RemoveAll();
    bool Contains(const IBlock* block) const { return m_index.count(block) != 0; }
    unsigned GetNoItems() const { return static_cast<unsigned>(m_index.size()); }
    // How many blocks of the graph insert block directly; 0 when absent.
    unsigned GetInDegree(const IBlock* block) const;

    // Every block once, each after the blocks it inserts / before them. CCyclicGraphException
    // on a cycle.
    void VisitUndep(IBlockOperation& op) const;
    void VisitDep(IBlockOperation& op) const;

    // Whether giving block these direct inserts keeps the graph free of cycles (unchanged).
    bool CanSubstitute(IBlock* block, const std::list<IBlock*>& inserted) const;
    // As CanSubstitute, but keeps the new edges; CCyclicGraphException (edges kept as they
    // were) on a cycle.
    void Substitute(IBlock* block, const std::list<IBlock*>& inserted);
    // Replaces the edges without a check.
    void DoSubstitute(IBlock* block, const std::list<IBlock*>& inserted);

protected:
    CItem* FindItem(const IBlock* block) const;
    void Init() const;
    void AddEdge(CItem* from, CItem* to);

private:
    // The items of the listed blocks that are in the graph, without duplicates or
    // external references.
    std::vector<CItem*> Targets(const std::list<IBlock*>& inserted) const;
    void SetEdges(CItem* item, std::vector<CItem*> edges);
    // Whether `to` is reachable from any of `from`.
    bool Reachable(const std::vector<CItem*>& from, const CItem* to) const;
    // Post-order of the whole graph; CCyclicGraphException on a cycle.
    std::vector<CItem*> PostOrder() const;

    std::list<CItem*> m_order;
    std::unordered_map<const IBlock*, std::unique_ptr<CItem>> m_index;
};

}  // namespace lum::core
