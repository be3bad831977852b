// CTableImp — what every table shares: the items in insertion order (a copy-on-write
// collection), an index of the items by case-folded name (for each name the items in
// insertion order, so the first inserted wins), add, remove, find and progressive names.
#pragma once

#include "lum1core_export.h"

#include "fnd/String.h"
#include "lum/core/HandleObjectCollection.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lum::core {

class LUM1CORE_API CTableImp : public IHandleTable, public fnd::IRefCounter {
public:
    ~CTableImp() override;

    IHandleGestor* GetHandleGestor() const override;
    IDrawing* GetDrawing() const override { return m_drawing; }
    void OnItemRenamed(ITableItem* item, const fnd::String& oldName) override;

    unsigned GetNoItems() const { return m_items.GetNoElems(); }
    ITableItem* GetItemNo(unsigned i) const;
    bool IsMember(const ITableItem* item) const { return m_seq.count(item) != 0; }
    const CHandleObjectCollection& GetCollection() const { return m_items; }

    // The first n = 1, 2, ... for which no item is named base + n (ignoring case).
    unsigned GetProgNum(const fnd::String& base) const;
    fnd::String GetProgName(const fnd::String& base) const;

    // Lets every item go (no notification). Used when the drawing goes away. A table whose
    // items depend on each other (blocks) overrides it to let them go in order.
    virtual void RemoveAll();
    // Forgets the drawing (after RemoveAll, when the drawing is destroyed).
    void DetachDrawing() { m_drawing = nullptr; }

protected:
    explicit CTableImp(IDrawing* drawing);

    // Inserts the item and raises TableItemAdded. Returns false (nothing done) for null or
    // an item already in a table. A refused handle leaves table and item as they were.
    bool Add(ITableItem* item);
    // As Add, but raises CNameAlreadyDefinedException (nothing done) when the name is taken.
    bool AddUnique(ITableItem* item);
    // Removes a member and raises TableItemRemoved. Returns false (nothing done) for null, a
    // non-member or an item the table keeps for itself (CanRemove).
    bool Remove(ITableItem* item);
    // The first inserted item named name (ignoring case), or null.
    ITableItem* Find(const fnd::String& name) const;
    // Whether Remove may take the item out; built-in items say no.
    virtual bool CanRemove(const ITableItem* /*item*/) const { return true; }

private:
    struct Entry {
        std::uint64_t seq;
        ITableItem* item;
    };
    using Bucket = std::vector<Entry>;
    void IndexInsert(const fnd::String& name, std::uint64_t seq, ITableItem* item);
    void IndexErase(const fnd::String& name, const ITableItem* item);
    // A name went free: a cached progressive search for a base it extends restarts at it.
    void ProgNameFreed(const fnd::String& name);

    CHandleObjectVectorCollection m_items;
    IDrawing* m_drawing;
    std::unordered_map<fnd::String, Bucket, fnd::StringHashNoCase, fnd::StringEqualNoCase> m_byName;
    std::unordered_map<const ITableItem*, std::uint64_t> m_seq;
    std::uint64_t m_nextSeq = 0;
    // Per base (ignoring case): every number below it is known to be taken. Adding names keeps
    // it true; a name that goes free (removal, rename) lowers it.
    mutable std::unordered_map<fnd::String, unsigned, fnd::StringHashNoCase, fnd::StringEqualNoCase> m_progCache;
};

}  // namespace lum::core
