#include "lum/core/EntCollection.h"

#include "lum/core/Ent.h"

namespace lum::core {

CEnt* CEntIterator::GetNext() const { return static_cast<CEnt*>(m_it.GetNext()); }

void CEntCollection::AddEnt(CEnt* ent) { m_c.Add(ent); }
bool CEntCollection::RemoveEnt(CEnt* ent) { return m_c.Remove(ent); }
bool CEntCollection::IsInserted(const CEnt* ent) const { return m_c.IsInserted(ent); }
CEnt* CEntCollection::GetEnt(unsigned i) const { return static_cast<CEnt*>(m_c.GetObjectNo(i)); }

CEntVectorCollection::CEntVectorCollection() : CEntCollection(CHandleObjectVectorCollection()) {}
CEntVectorCollection::CEntVectorCollection(CEnt* ent)
    : CEntCollection(CHandleObjectVectorCollection(ent))
{
}

}  // namespace lum::core
