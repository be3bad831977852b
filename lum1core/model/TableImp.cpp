#include "lum/core/TableImp.h"

#include "lum/core/CoreExceptions.h"
#include "lum/core/Drawing.h"
#include "lum/core/ModifyingTablesEvent.h"
#include "lum/core/TableItem.h"

#include <algorithm>

namespace lum::core {

CTableImp::CTableImp(IDrawing* drawing) : m_drawing(drawing) {}

CTableImp::~CTableImp() { RemoveAll(); }

IHandleGestor* CTableImp::GetHandleGestor() const
{
    return m_drawing ? m_drawing->GetHandleGestor() : nullptr;
}

ITableItem* CTableImp::GetItemNo(unsigned i) const
{
    return static_cast<ITableItem*>(m_items.GetObjectNo(i));
}

void CTableImp::IndexInsert(const fnd::String& name, std::uint64_t seq, ITableItem* item)
{
    Bucket& b = m_byName[name];
    // Keep insertion order; almost always an append.
    const auto pos = std::upper_bound(b.begin(), b.end(), seq,
                                      [](std::uint64_t s, const Entry& e) { return s < e.seq; });
    b.insert(pos, Entry{seq, item});
}

void CTableImp::IndexErase(const fnd::String& name, const ITableItem* item)
{
    const auto it = m_byName.find(name);
    if (it == m_byName.end())
        return;
    Bucket& b = it->second;
    b.erase(std::remove_if(b.begin(), b.end(), [item](const Entry& e) { return e.item == item; }),
            b.end());
    if (b.empty())
        m_byName.erase(it);
}

bool CTableImp::Add(ITableItem* item)
{
    if (!item || item->IsInserted() || IsMember(item))
        return false;
    item->OnInsertTable(this);  // a refused handle throws here: nothing changed yet
    const std::uint64_t seq = m_nextSeq;
    try {
        m_seq.emplace(item, seq);
        IndexInsert(item->GetName(), seq, item);
        m_items.Add(item);
    } catch (...) {
        IndexErase(item->GetName(), item);
        m_seq.erase(item);
        item->OnRemoveTable();
        throw;
    }
    ++m_nextSeq;
    TableItemAdded(m_drawing ? m_drawing->GetContextEvent() : nullptr, item);
    return true;
}

bool CTableImp::AddUnique(ITableItem* item)
{
    if (item && Find(item->GetName()))
        throw CNameAlreadyDefinedException();
    return Add(item);
}

bool CTableImp::Remove(ITableItem* item)
{
    if (!item || !IsMember(item) || !CanRemove(item))
        return false;
    const fnd::RefPtr<ITableItem> keep(item);
    item->OnRemoveTable();
    IndexErase(item->GetName(), item);
    m_seq.erase(item);
    ProgNameFreed(item->GetName());
    m_items.Remove(item);
    TableItemRemoved(m_drawing ? m_drawing->GetContextEvent() : nullptr, item);
    return true;
}

void CTableImp::RemoveAll()
{
    CHandleObjectIterator it = m_items.GetIterator();
    while (IHandleObject* o = it.GetNext())
        o->OnRemoveTable();
    m_byName.clear();
    m_seq.clear();
    m_progCache.clear();
    m_items.RemoveAll();
}

ITableItem* CTableImp::Find(const fnd::String& name) const
{
    const auto it = m_byName.find(name);
    return it == m_byName.end() || it->second.empty() ? nullptr : it->second.front().item;
}

void CTableImp::OnItemRenamed(ITableItem* item, const fnd::String& oldName)
{
    const auto s = m_seq.find(item);
    if (s == m_seq.end())
        return;
    IndexErase(oldName, item);
    IndexInsert(item->GetName(), s->second, item);
    ProgNameFreed(oldName);
}

void CTableImp::ProgNameFreed(const fnd::String& name)
{
    for (auto& [base, next] : m_progCache) {
        const std::size_t b = base.Size();
        if (name.Size() <= b || name.Size() - b > 9 || name[b] == '0' ||
            !fnd::String::EqualsNoCase(name.view().substr(0, b), base.view()))
            continue;
        unsigned n = 0;
        bool digits = true;
        for (std::size_t i = b; i < name.Size() && digits; ++i) {
            digits = name[i] >= '0' && name[i] <= '9';
            n = n * 10 + static_cast<unsigned>(name[i] - '0');
        }
        if (digits && n < next)
            next = n;
    }
}

unsigned CTableImp::GetProgNum(const fnd::String& base) const
{
    const fnd::String& key = base;
    unsigned n = 1;
    if (const auto c = m_progCache.find(key); c != m_progCache.end())
        n = c->second;
    // At most one more step than there are items: the walk always ends.
    while (m_byName.count(base + fnd::String::FromUnsigned(n)) != 0)
        ++n;
    m_progCache[key] = n;
    return n;
}

fnd::String CTableImp::GetProgName(const fnd::String& base) const
{
    return base + fnd::String::FromUnsigned(GetProgNum(base));
}

}  // namespace lum::core
