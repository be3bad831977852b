#include "lum/core/EntTable.h"

#include "NewObject.h"

#include "lum/core/Drawing.h"
#include "lum/core/Ent.h"
#include "lum/core/ModifyingEntEvent.h"

#include <unordered_set>
#include <vector>

namespace lum::core {

CEntTable* CEntTable::Create(IDrawing* drawing)
{
    return detail::NewOrThrow([&] { return new CEntTable(drawing); });
}

CEntTable::~CEntTable() { RemoveAll(); }

IHandleGestor* CEntTable::GetHandleGestor() const
{
    return m_drawing ? m_drawing->GetHandleGestor() : nullptr;
}

fnd::IContextEvent* CEntTable::GetContextEvent() const
{
    return m_drawing ? m_drawing->GetContextEvent() : nullptr;
}

void CEntTable::Add(const CEntCollection& ents)
{
    // The entities this call may take: not null, free, each once. A single free entity (the
    // common case) is taken as given, without building a filtered copy.
    CEntCollection taken = ents;
    if (ents.GetNoEnts() == 1) {
        if (ents.GetEnt(0)->IsInserted())
            return;
    } else {
        CEntVectorCollection filtered;
        std::unordered_set<const CEnt*> seen;
        seen.reserve(ents.GetNoEnts());
        CEntIterator it = ents.GetIterator();
        while (CEnt* e = it.GetNext())
            if (!e->IsInserted() && seen.insert(e).second)
                filtered.AddEnt(e);
        taken = filtered;
    }
    if (!taken.HasElements())
        return;
    std::vector<CEnt*> inserted;
    inserted.reserve(taken.GetNoEnts());
    try {
        CEntIterator it = taken.GetIterator();
        while (CEnt* e = it.GetNext()) {
            e->OnInsertTable(this);
            inserted.push_back(e);
        }
        m_ents.AddEnts(taken);
    } catch (...) {
        for (auto i = inserted.rbegin(); i != inserted.rend(); ++i)
            (*i)->OnRemoveTable();
        throw;
    }
    lum::core::CreatedEnts(GetContextEvent(), taken);
}

void CEntTable::Add(CEnt* ent) { Add(CEntVectorCollection(ent)); }

void CEntTable::Remove(const CEntCollection& ents)
{
    // The copy keeps the entities alive until the notification is delivered.
    CEntVectorCollection mine;
    {
        std::unordered_set<const CEnt*> seen;
        seen.reserve(ents.GetNoEnts());
        CEntIterator it = ents.GetIterator();
        while (CEnt* e = it.GetNext())
            if (e->GetEntSite() == this && seen.insert(e).second)
                mine.AddEnt(e);
    }
    if (!mine.HasElements())
        return;
    CEntIterator it = mine.GetIterator();
    while (CEnt* e = it.GetNext())
        e->OnRemoveTable();
    m_ents.RemoveEnts(mine);
    lum::core::ErasedEnts(GetContextEvent(), mine);
}

void CEntTable::Remove(CEnt* ent) { Remove(CEntVectorCollection(ent)); }

void CEntTable::RemoveAll()
{
    CEntIterator it = m_ents.GetIterator();
    while (CEnt* e = it.GetNext())
        e->OnRemoveTable();
    m_ents.RemoveAllEnts();
}

}  // namespace lum::core
