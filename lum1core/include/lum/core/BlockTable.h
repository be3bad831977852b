// CBlockTable — the block definitions of a drawing, with the graph of which block inserts
// which: a block still inserted by another block cannot be removed, and blocks leave the
// table in dependency order (each before the blocks it inserts).
#pragma once

#include "lum1core_export.h"

#include "lum/core/BlockGraph.h"
#include "lum/core/TableImp.h"

namespace lum::core {

class CBlock;
class CEntCollection;

class LUM1CORE_API CBlockTable : public CTableImp {
public:
    static CBlockTable* Create(IDrawing* drawing);
    ~CBlockTable() override;
    fnd::String ToString() const override { return "CBlockTable"; }

    // Inserts the block (and its entities) and adds it to the graph.
    bool Add(CBlock* block);
    // As Add, but CNameAlreadyDefinedException when the name is taken.
    bool AddUnique(CBlock* block);
    // CBrokenGraphException (nothing removed) while another block inserts it.
    bool Remove(CBlock* block);
    CBlock* Find(const fnd::String& name) const;
    CBlock* FindBlock(const fnd::String& name) const { return Find(name); }
    const CBlockGraph& GetBlockGraph() const { return m_graph; }
    CBlockGraph& GetBlockGraph() { return m_graph; }

    // Removes the blocks in dependency order (each raising TableItemRemoved), then the rest.
    void RemoveAll() override;

    // The blocks inserted by the entities (external references left out).
    static std::list<IBlock*> InsertedBlocks(const CEntCollection& ents);
    bool CanRedefine(CBlock* block, const CEntCollection& ents) const;
    void Redefine(CBlock* block, const CEntCollection& ents);

private:
    explicit CBlockTable(IDrawing* drawing) : CTableImp(drawing) {}
    CBlockGraph m_graph;
};

}  // namespace lum::core
