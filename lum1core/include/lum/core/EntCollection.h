// Typed collections and iterators of entities, over the copy-on-write handle-object
// collections.
#pragma once

#include "lum1core_export.h"

#include "lum/core/HandleObjectCollection.h"

namespace lum::core {

class CEnt;

class LUM1CORE_API CEntIterator {
public:
    explicit CEntIterator(CHandleObjectIterator it) : m_it(std::move(it)) {}
    // The next entity, or null after the last.
    CEnt* GetNext() const;
    unsigned GetNoEnts() const { return m_it.GetNoElems(); }

private:
    CHandleObjectIterator m_it;
};

class LUM1CORE_API CEntCollection {
public:
    explicit CEntCollection(CHandleObjectCollection c) : m_c(std::move(c)) {}

    void AddEnt(CEnt* ent);
    void AddEnts(const CEntCollection& ents) { m_c.Add(ents.m_c); }
    bool RemoveEnt(CEnt* ent);
    void RemoveEnts(const CEntCollection& ents) { m_c.Remove(ents.m_c); }
    void RemoveAllEnts() { m_c.RemoveAll(); }
    CEntIterator GetIterator() const { return CEntIterator(m_c.GetIterator()); }
    unsigned GetNoEnts() const { return m_c.GetNoElems(); }
    bool IsInserted(const CEnt* ent) const;
    // Entity i, or null when out of range.
    CEnt* GetEnt(unsigned i) const;
    bool HasElements() const { return m_c.HasElements(); }

    const CHandleObjectCollection& GetCollection() const { return m_c; }

private:
    CHandleObjectCollection m_c;
};

// An entity collection over a new vector implementation, empty or holding one entity.
class LUM1CORE_API CEntVectorCollection : public CEntCollection {
public:
    CEntVectorCollection();
    explicit CEntVectorCollection(CEnt* ent);
};

}  // namespace lum::core
