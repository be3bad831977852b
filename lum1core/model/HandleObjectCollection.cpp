#include "lum/core/HandleObjectCollection.h"

#include "fnd/Exceptions.h"

#include <algorithm>
#include <new>
#include <unordered_map>

namespace lum::core {

CHandleObjectVectorCollectionImp* CHandleObjectVectorCollectionImp::Create()
{
    try {
        return new CHandleObjectVectorCollectionImp;
    } catch (const std::bad_alloc&) {
        throw fnd::CExhaustedMemoryException();
    }
}

CHandleObjectVectorCollectionImp::~CHandleObjectVectorCollectionImp()
{
    while (!m_items.empty()) {
        IHandleObject* o = m_items.back();
        m_items.pop_back();
        o->SubReference();
    }
}

void CHandleObjectVectorCollectionImp::Add(const IHandleObjectCollectionImp* other)
{
    if (!other)
        return;
    const unsigned n = other->GetNoElems();  // fixed first: adding a collection to itself
    m_items.reserve(m_items.size() + n);
    for (unsigned i = 0; i < n; ++i)
        Add(other->GetObjectNo(i));
}

void CHandleObjectVectorCollectionImp::Add(IHandleObject* object)
{
    if (!object)
        return;
    m_items.push_back(object);  // may throw: then no reference was taken
    object->AddReference();
}

void CHandleObjectVectorCollectionImp::Remove(const IHandleObjectCollectionImp* other)
{
    if (!other)
        return;
    if (other == this) {
        RemoveAll();
        return;
    }
    const unsigned n = other->GetNoElems();
    if (n < kBulkRemove) {
        for (unsigned i = 0; i < n; ++i)
            Remove(other->GetObjectNo(i));
        return;
    }
    // Many at once: count how many occurrences of each object go, then drop the first ones
    // in one pass. Same result as removing the first occurrence n times, in linear time.
    std::unordered_map<const IHandleObject*, unsigned> toRemove;
    toRemove.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        ++toRemove[other->GetObjectNo(i)];
    std::vector<IHandleObject*> released;
    std::size_t out = 0;
    for (IHandleObject* o : m_items) {
        const auto it = toRemove.find(o);
        if (it != toRemove.end() && it->second > 0) {
            --it->second;
            released.push_back(o);
        } else {
            m_items[out++] = o;
        }
    }
    m_items.resize(out);
    for (IHandleObject* o : released)
        o->SubReference();
}

bool CHandleObjectVectorCollectionImp::Remove(IHandleObject* object)
{
    const auto it = std::find(m_items.begin(), m_items.end(), object);
    if (it == m_items.end())
        return false;
    m_items.erase(it);
    object->SubReference();
    return true;
}

IHandleObjectCollectionImp* CHandleObjectVectorCollectionImp::RemoveAll()
{
    if (GetReferences() > 1) {
        IHandleObjectCollectionImp* fresh = Create();
        SubReference();
        return fresh;
    }
    while (!m_items.empty()) {
        IHandleObject* o = m_items.back();
        m_items.pop_back();
        o->SubReference();
    }
    return this;
}

IHandleObjectIteratorImp* CHandleObjectVectorCollectionImp::GetIterator() const
{
    return CHandleObjectVectorIteratorImp::Create(this);
}

bool CHandleObjectVectorCollectionImp::IsInserted(const IHandleObject* object) const
{
    return std::find(m_items.rbegin(), m_items.rend(), object) != m_items.rend();
}

IHandleObject* CHandleObjectVectorCollectionImp::GetObjectNo(unsigned i) const
{
    return i < m_items.size() ? m_items[i] : nullptr;
}

IHandleObjectCollectionImp* CHandleObjectVectorCollectionImp::GetOwnCopy()
{
    if (GetReferences() == 1)
        return this;
    auto copy = fnd::RefPtr<CHandleObjectVectorCollectionImp>::Adopt(Create());
    copy->m_items.reserve(m_items.size());
    copy->Add(this);
    SubReference();
    return copy.release();
}

CHandleObjectVectorIteratorImp* CHandleObjectVectorIteratorImp::Create(const IHandleObjectCollectionImp* imp)
{
    try {
        return new CHandleObjectVectorIteratorImp(imp);
    } catch (const std::bad_alloc&) {
        throw fnd::CExhaustedMemoryException();
    }
}

IHandleObject* CHandleObjectVectorIteratorImp::GetNext() const
{
    IHandleObject* o = m_imp->GetObjectNo(m_next);
    if (o)
        ++m_next;
    return o;
}

CHandleObjectCollection::CHandleObjectCollection(IHandleObjectCollectionImp* adopted)
    : m_imp(fnd::RefPtr<IHandleObjectCollectionImp>::Adopt(adopted))
{
}

CHandleObjectIterator CHandleObjectCollection::GetIterator() const
{
    return CHandleObjectIterator(m_imp->GetIterator());
}

void CHandleObjectCollection::MakeOwn()
{
    if (m_imp->GetReferences() == 1)
        return;
    IHandleObjectCollectionImp* shared = m_imp.release();
    try {
        m_imp = fnd::RefPtr<IHandleObjectCollectionImp>::Adopt(shared->GetOwnCopy());
    } catch (...) {
        m_imp = fnd::RefPtr<IHandleObjectCollectionImp>::Adopt(shared);
        throw;
    }
}

void CHandleObjectCollection::Add(IHandleObject* object)
{
    MakeOwn();
    m_imp->Add(object);
}

void CHandleObjectCollection::Add(const CHandleObjectCollection& other)
{
    const fnd::RefPtr<const IHandleObjectCollectionImp> keep(other.m_imp.get());
    MakeOwn();
    m_imp->Add(keep.get());
}

bool CHandleObjectCollection::Remove(IHandleObject* object)
{
    if (!m_imp->IsInserted(object))
        return false;
    MakeOwn();
    return m_imp->Remove(object);
}

void CHandleObjectCollection::Remove(const CHandleObjectCollection& other)
{
    const fnd::RefPtr<const IHandleObjectCollectionImp> keep(other.m_imp.get());
    MakeOwn();
    if (keep.get() == m_imp.get()) {
        RemoveAll();
        return;
    }
    m_imp->Remove(keep.get());
}

void CHandleObjectCollection::RemoveAll()
{
    IHandleObjectCollectionImp* imp = m_imp.release();
    try {
        m_imp = fnd::RefPtr<IHandleObjectCollectionImp>::Adopt(imp->RemoveAll());
    } catch (...) {
        m_imp = fnd::RefPtr<IHandleObjectCollectionImp>::Adopt(imp);
        throw;
    }
}

CHandleObjectVectorCollection::CHandleObjectVectorCollection()
    : CHandleObjectCollection(CHandleObjectVectorCollectionImp::Create())
{
}

CHandleObjectVectorCollection::CHandleObjectVectorCollection(IHandleObject* object)
    : CHandleObjectVectorCollection()
{
    Add(object);
}

}  // namespace lum::core
