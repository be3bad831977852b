#include "lum/core/Data.h"

#include "lum/core/Block.h"

namespace lum::core {

namespace {
CHandleObjectIterator Walk(const CTableImp* table)
{
    return table ? table->GetCollection().GetIterator() : CHandleObjectVectorCollection().GetIterator();
}
}  // namespace

CData::CLayerIterator::CLayerIterator(const CData* data, bool flag)
    : m_it(Walk(data ? data->GetMainDrawing()->GetLayerTable() : nullptr)), m_flag(flag)
{
}

CLayer* CData::CLayerIterator::GetNext() { return static_cast<CLayer*>(m_it.GetNext()); }

CData::CStyleIterator::CStyleIterator(const CData* data, bool flag)
    : m_it(Walk(data ? data->GetMainDrawing()->GetStyleTable() : nullptr)), m_flag(flag)
{
}

CStyle* CData::CStyleIterator::GetNext() { return static_cast<CStyle*>(m_it.GetNext()); }

CData::CBlockIterator::CBlockIterator(const CData* data, bool flag)
    : m_it(Walk(data ? data->GetMainDrawing()->GetBlockTable() : nullptr)), m_flag(flag)
{
}

CBlock* CData::CBlockIterator::GetNext() { return static_cast<CBlock*>(m_it.GetNext()); }

CData::CUcsIterator::CUcsIterator(const CData* data)
    : m_it(Walk(data ? data->GetMainDrawing()->GetUcsTable() : nullptr))
{
}

CUcs* CData::CUcsIterator::GetNext() { return static_cast<CUcs*>(m_it.GetNext()); }

CData::CLtypeIterator::CLtypeIterator(const CData* data, bool flag, bool pseudo)
    : m_it(Walk(data ? data->GetMainDrawing()->GetLtypeTable() : nullptr)), m_flag(flag), m_pseudo(pseudo)
{
}

CLtype* CData::CLtypeIterator::GetNext()
{
    while (auto* l = static_cast<CLtype*>(m_it.GetNext()))
        if (m_pseudo || !(l->IsByLayer() || l->IsByBlock()))
            return l;
    return nullptr;
}

unsigned CData::CLtypeIterator::GetNoLtypes() const
{
    const unsigned n = m_it.GetNoElems();
    if (m_pseudo)
        return n;
    return n >= 2 ? n - 2 : 0;
}

}  // namespace lum::core
