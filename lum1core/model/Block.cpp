#include "lum/core/Block.h"

#include "NewObject.h"
#include "lum/core/BlockTable.h"
#include "lum/core/CoreExceptions.h"
#include "lum/core/EntInsert.h"
#include "lum/core/EntMoveVisitor.h"
#include "lum/core/EntText.h"

#include <unordered_set>

namespace lum::core {

// Iterators.

IBlock::CInsertIterator::CInsertIterator(const IBlock* block) : m_it(block->GetCollection().GetIterator()) {}

CEntInsert* IBlock::CInsertIterator::GetNext()
{
    while (CEnt* e = m_it.GetNext())
        if (CEntInsert* i = e->GetEntInsert())
            return i;
    return nullptr;
}

IBlock::CAttdefIterator::CAttdefIterator(const IBlock* block) : m_it(block->GetCollection().GetIterator()) {}

CEntAttdef* IBlock::CAttdefIterator::GetNext()
{
    while (CEnt* e = m_it.GetNext())
        if (e->GetType() == 7)
            return static_cast<CEntAttdef*>(e);
    return nullptr;
}

// The block.

CBlock::CBlock(const fnd::String& name, const fnd::geom::PNT_3D& base, std::uint32_t flags,
               std::uint32_t handle)
    : ITableItem(name, flags & 0x8001u, handle), m_base(base)
{
}

CBlock* CBlock::Create(const fnd::String& name, const fnd::geom::PNT_3D& base, std::uint32_t flags,
                       std::uint32_t handle)
{
    return detail::NewOrThrow([&] { return new CBlock(name, base, flags, handle); });
}

CBlock::~CBlock() { RemoveAll(); }

fnd::String CBlock::ToString() const { return fnd::String("Block - ") + GetName(); }

IHandleGestor* CBlock::GetHandleGestor() const
{
    const IHandleTable* t = ITableItem::GetHandleTable();
    return t ? t->GetHandleGestor() : nullptr;
}

CBlockTable* CBlock::GetBlockTable() const
{
    return dynamic_cast<CBlockTable*>(ITableItem::GetHandleTable());
}

void CBlock::OnInsertTable(IHandleTable* table)
{
    ITableItem::OnInsertTable(table);
    std::vector<CEnt*> done;
    try {
        CEntIterator it = m_ents.GetIterator();
        while (CEnt* e = it.GetNext()) {
            e->OnInsertTable(static_cast<IEntSite*>(this));
            done.push_back(e);
        }
    } catch (...) {
        for (auto i = done.rbegin(); i != done.rend(); ++i)
            (*i)->OnRemoveTable();
        ITableItem::OnRemoveTable();
        throw;
    }
}

void CBlock::OnRemoveTable()
{
    CEntIterator it = m_ents.GetIterator();
    while (CEnt* e = it.GetNext())
        e->OnRemoveTable();
    ITableItem::OnRemoveTable();
}

void CBlock::RemoveAll()
{
    if (IsInserted()) {
        CEntIterator it = m_ents.GetIterator();
        while (CEnt* e = it.GetNext())
            e->OnRemoveTable();
    }
    m_ents.RemoveAllEnts();
    DoSetFlags(GetFlags() & ~kHasAttdefs);
}

bool CBlock::Reaches(const IBlock* from, const IBlock* target)
{
    std::unordered_set<const IBlock*> seen;
    std::vector<const IBlock*> stack{from};
    while (!stack.empty()) {
        const IBlock* b = stack.back();
        stack.pop_back();
        if (!b)
            continue;
        if (b == target)
            return true;
        if (!seen.insert(b).second)
            continue;
        CEntIterator it = b->GetCollection().GetIterator();
        while (CEnt* e = it.GetNext())
            if (const CEntInsert* i = e->GetEntInsert())
                stack.push_back(i->GetBlock());
    }
    return false;
}

bool CBlock::WouldCycle(const CEntCollection& ents) const
{
    CEntIterator it = ents.GetIterator();
    while (CEnt* e = it.GetNext())
        if (const CEntInsert* i = e->GetEntInsert())
            if (i->GetBlock() && Reaches(i->GetBlock(), this))
                return true;
    return false;
}

void CBlock::Append(CEnt* ent)
{
    m_ents.AddEnt(ent);
    if (ent->GetType() == 7)
        DoSetFlags(GetFlags() | kHasAttdefs);
}

bool CBlock::Add(CEnt* ent)
{
    if (!ent || ent->IsInserted() || IsInserted())
        return false;
    // Only a block that some insert refers to can be reached back.
    if (const CEntInsert* i = ent->GetEntInsert(); i && i->GetBlock()) {
        if (i->GetBlock() == this || (m_referring != 0 && Reaches(i->GetBlock(), this)))
            throw CCyclicGraphException();
    }
    CEntMoveVisitor move(fnd::geom::PNT_3D{} - m_base);
    ent->Accept(move);
    Append(ent);
    return true;
}

bool CBlock::CanRedefine(const CEntCollection& ents) const
{
    if (WouldCycle(ents))
        return false;
    const CBlockTable* t = GetBlockTable();
    return !t || t->CanRedefine(const_cast<CBlock*>(this), ents);
}

bool CBlock::Redefine(const fnd::geom::PNT_3D& base, std::uint32_t flags, const CEntCollection& newEnts)
{
    // Every check before any change: no cycle, and no entity that another site holds.
    if (!CanRedefine(newEnts))
        return false;
    {
        CEntIterator it = newEnts.GetIterator();
        while (CEnt* e = it.GetNext())
            if (e->IsInserted() && e->GetEntSite() != static_cast<const IEntSite*>(this))
                return false;
    }
    const CEntCollection ents = newEnts;  // keeps the new entities alive
    CBlockTable* table = GetBlockTable();
    CModifyingTableItem guard(this);
    guard.DrawInfoChanged();
    // Edges go first, so that hatch blocks of the old entities may leave the table.
    if (table)
        table->GetBlockGraph().DoSubstitute(this, {});
    RemoveAll();
    m_base = base;
    DoSetFlags(((GetFlags() & ~0x8001u) | flags) & ~kHasAttdefs);
    CEntMoveVisitor move(fnd::geom::PNT_3D{} - m_base);
    std::unordered_set<const CEnt*> taken;
    taken.reserve(ents.GetNoEnts());
    CEntIterator it = ents.GetIterator();
    while (CEnt* e = it.GetNext()) {
        if (!taken.insert(e).second)
            continue;
        e->Accept(move);
        Append(e);
        if (table)
            e->OnInsertTable(static_cast<IEntSite*>(this));
    }
    if (table)
        table->Redefine(this, m_ents);
    return true;
}

// Snapshots.

CBlockMemento::CBlockMemento(const CBlock* block)
    : m_name(block->GetName()), m_flags(block->GetFlags()), m_base(block->GetPnt()),
      m_ents(block->GetCollection())
{
    m_mementos.reserve(m_ents.GetNoEnts());
    CEntIterator it = m_ents.GetIterator();
    while (CEnt* e = it.GetNext()) {
        auto m = fnd::RefPtr<fnd::IMemento>::Adopt(e->CreateMemento());
        if (!m)
            throw fnd::CExhaustedMemoryException();
        m_mementos.push_back(std::move(m));
    }
}

CBlockMemento* CBlockMemento::Create(const CBlock* block)
{
    return detail::NewOrThrow([&] { return new CBlockMemento(block); });
}

fnd::IMemento* CBlock::CreateMemento() const { return CBlockMemento::Create(this); }

bool CBlock::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = dynamic_cast<const CBlockMemento*>(mm);
    if (!m || !fnd::String::EqualsNoCase(m->GetName().view(), GetName().view()) ||
        m->GetFlags() != GetFlags() || !(m->GetPnt() == m_base) ||
        m->GetEnts().GetNoEnts() != m_ents.GetNoEnts())
        return true;
    for (unsigned i = 0; i < m_ents.GetNoEnts(); ++i) {
        const CEnt* e = m_ents.GetEnt(i);
        if (e != m->GetEnts().GetEnt(i) || e->HasChanged(m->GetEntMemento(i)))
            return true;
    }
    return false;
}

void CBlock::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = dynamic_cast<const CBlockMemento*>(mm);
    if (!m)
        return;
    // Checks first: the stored entities must not close a cycle nor sit in another site.
    if (WouldCycle(m->GetEnts()))
        return;
    CBlockTable* table = GetBlockTable();
    if (table && !table->CanRedefine(this, m->GetEnts()))
        return;
    {
        CEntIterator it = m->GetEnts().GetIterator();
        while (CEnt* e = it.GetNext())
            if (e->IsInserted() && e->GetEntSite() != static_cast<const IEntSite*>(this))
                return;
    }
    CModifyingTableItem guard(this);
    guard.DrawInfoChanged();
    DoSetName(m->GetName());
    if (table)
        table->GetBlockGraph().DoSubstitute(this, {});
    RemoveAll();
    DoSetFlags(m->GetFlags() & ~kHasAttdefs);
    m_base = m->GetPnt();
    for (unsigned i = 0; i < m->GetEnts().GetNoEnts(); ++i) {
        CEnt* e = m->GetEnts().GetEnt(i);
        e->SetMemento(m->GetEntMemento(i));
        Append(e);
        if (table)
            e->OnInsertTable(static_cast<IEntSite*>(this));
    }
    if (table)
        table->Redefine(this, m_ents);
}

}  // namespace lum::core
