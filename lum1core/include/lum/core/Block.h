// IBlock (anything that can be inserted) and CBlock (a block definition of the block
// table). A block stores its entities relative to its base point; while the block is in a
// table its entities are inserted in it (counted on their layers) but never notify.
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/Point.h"
#include "lum/core/EntSite.h"
#include "lum/core/TableItem.h"

#include <vector>

namespace lum::core {

class CBlock;
class CEnt;
class CEntAttdef;
class CEntInsert;
class IEntMemento;

class LUM1CORE_API IBlock {
public:
    virtual ~IBlock() = default;
    virtual const fnd::String& GetName() const = 0;
    virtual const CEntCollection& GetCollection() const = 0;
    virtual bool IsXRef() const = 0;
    virtual CBlock* GetBlock() const = 0;
    virtual std::uint32_t GetInsertCount() const = 0;
    virtual void IncInsertCount() = 0;
    virtual void DecInsertCount() = 0;
    unsigned GetNoEnts() const { return GetCollection().GetNoEnts(); }

    // The inserts of a block, in order.
    class LUM1CORE_API CInsertIterator {
    public:
        explicit CInsertIterator(const IBlock* block);
        CEntInsert* GetNext();

    private:
        CEntIterator m_it;
    };
    // The attribute definitions of a block, in order.
    class LUM1CORE_API CAttdefIterator {
    public:
        explicit CAttdefIterator(const IBlock* block);
        CEntAttdef* GetNext();

    private:
        CEntIterator m_it;
    };
};

// A block snapshot: base fields, base point, the entities (shared) and one snapshot each.
class LUM1CORE_API CBlockMemento : public fnd::IMemento {
public:
    static CBlockMemento* Create(const CBlock* block);
    fnd::String ToString() const override { return "ITableItemMemento"; }
    const fnd::String& GetName() const { return m_name; }
    std::uint32_t GetFlags() const { return m_flags; }
    const fnd::geom::PNT_3D& GetPnt() const { return m_base; }
    const CEntCollection& GetEnts() const { return m_ents; }
    fnd::IMemento* GetEntMemento(unsigned i) const { return m_mementos[i].get(); }

private:
    explicit CBlockMemento(const CBlock* block);
    fnd::String m_name;
    std::uint32_t m_flags;
    fnd::geom::PNT_3D m_base;
    CEntCollection m_ents;
    std::vector<fnd::RefPtr<fnd::IMemento>> m_mementos;
};

class LUM1CORE_API CBlock : public ITableItem, public IBlock, public IEntSite {
public:
    static constexpr std::uint32_t kHasAttdefs = 0x2;
    // A free, empty block; the flags keep bits 0 and 15.
    static CBlock* Create(const fnd::String& name, const fnd::geom::PNT_3D& base,
                          std::uint32_t flags, std::uint32_t handle);
    ~CBlock() override;
    fnd::String ToString() const override;
    std::uint16_t GetType() const override { return 4; }

    // IBlock
    const fnd::String& GetName() const override { return ITableItem::GetName(); }
    const CEntCollection& GetCollection() const override { return m_ents; }
    bool IsXRef() const override { return false; }
    CBlock* GetBlock() const override { return const_cast<CBlock*>(this); }
    std::uint32_t GetInsertCount() const override { return GetEntities(); }
    void IncInsertCount() override { AddEntity(); }
    void DecInsertCount() override { SubEntity(); }

    // IEntSite
    IHandleGestor* GetHandleGestor() const override;
    IDrawing* GetDrawing() const override { return ITableItem::GetDrawing(); }
    IBlock* GetBlockInserted() const override { return const_cast<CBlock*>(this); }
    fnd::IContextEvent* GetContextEvent() const override { return ITableItem::GetContextEvent(); }

    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;

    // Moves the entity by origin minus base point and appends it (free; inserted with the
    // block). Refuses (CCyclicGraphException, nothing changed) an insert that would make the
    // block reach itself, and an entity already in a site (false). Adding the same free
    // entity twice is the caller's error (not searched for, to keep adding linear).
    bool Add(CEnt* ent);
    bool CanRedefine(const CEntCollection& ents) const;
    // Replaces base point, flags and entities in one change; false, nothing changed, when
    // the new entities would close a cycle of blocks.
    bool Redefine(const fnd::geom::PNT_3D& base, std::uint32_t flags, const CEntCollection& ents);

    const fnd::geom::PNT_3D& GetPnt() const { return m_base; }
    int GetUserType() const { return m_userType; }
    int GetUserData() const { return m_userData; }
    void SetUserType(int v) { m_userType = v; }
    void SetUserData(int v) { m_userData = v; }
    void SetUserInfo(int type, int data) { m_userType = type; m_userData = data; }

    // Inserts (free or inserted, anywhere) that refer to this block; kept by CEntInsert.
    unsigned GetReferringInserts() const { return m_referring; }
    void AddReferringInsert() { ++m_referring; }
    void SubReferringInsert() { if (m_referring) --m_referring; }
    // True when block `from` reaches `target` through the inserts of the blocks' contents.
    static bool Reaches(const IBlock* from, const IBlock* target);

    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

protected:
    CBlock(const fnd::String& name, const fnd::geom::PNT_3D& base, std::uint32_t flags,
           std::uint32_t handle);
    void OnSetMemento(fnd::IMemento* m) override;
    // Takes every entity out (out of the site first when in a table); clears bit 1.
    void RemoveAll();

private:
    class CBlockTable* GetBlockTable() const;
    // Whether the entities would make this block reach itself.
    bool WouldCycle(const CEntCollection& ents) const;
    void Append(CEnt* ent);

    fnd::geom::PNT_3D m_base;
    int m_userType = 0;
    int m_userData = 0;
    unsigned m_referring = 0;
};

}  // namespace lum::core
