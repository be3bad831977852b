#include "fnd/ContextEvent.h"

#include <algorithm>

namespace fnd {

ISourceEvent::ISourceEvent(IContextEvent* context, const ISourceEventType* type)
    : m_context(context), m_type(type), m_index(type ? type->GetIndex() : -1),
      m_mask(type ? type->GetMask() : 0)
{
}

void ISourceEvent::Notify(unsigned code, void* data)
{
    if (m_muted || m_context == nullptr)
        return;
    m_context->NotifyTargets(m_index, code, data);
    m_fired = true;
}

int CSourceEventTypeRegistry::Register(ISourceEventType* type)
{
    if (type == nullptr)
        return -1;
    if (type->IsRegistered())
        return type->m_index;
    for (int i = 0; i < kSlots; ++i) {
        if (m_slots[static_cast<std::size_t>(i)] == nullptr) {
            m_slots[static_cast<std::size_t>(i)] = type;
            type->m_index = i;
            type->m_mask = 1u << i;
            return i;
        }
    }
    return -1;
}

ISourceEventType* CSourceEventTypeRegistry::Get(int index) const
{
    if (index < 0 || index >= kSlots)
        return nullptr;
    return m_slots[static_cast<std::size_t>(index)];
}

int CSourceEventTypeRegistry::GetNoTypes() const
{
    int n = 0;
    while (n < kSlots && m_slots[static_cast<std::size_t>(n)] != nullptr)
        ++n;
    return n;
}

IContextEvent::IContextEvent(const CSourceEventTypeRegistry& registry)
{
    const int n = registry.GetNoTypes();
    m_sources.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        m_sources.emplace_back(registry.Get(i)->CreateSourceEvent(this));
}

IContextEvent::~IContextEvent() = default;

void IContextEvent::BeginModify()
{
    if (m_depth++ == 0) {
        // Indexed, so a target that detaches itself never invalidates the walk.
        for (std::size_t i = 0; i < m_targets.size(); ++i)
            m_targets[i]->OnBeginModify(this);
    }
}

void IContextEvent::EndModify()
{
    if (m_depth == 0)
        return;
    if (--m_depth == 0) {
        for (std::size_t i = 0; i < m_targets.size(); ++i)
            m_targets[i]->OnEndModify(this);
        for (auto& s : m_sources)
            if (s) s->ClearSourceEventInfo();
    }
}

ISourceEvent* IContextEvent::GetSourceEvent(int index) const
{
    if (index < 0 || index >= GetNoSourceEvents())
        return nullptr;
    return m_sources[static_cast<std::size_t>(index)].get();
}

void IContextEvent::AttachTarget(ITargetEvent* target)
{
    if (target && std::find(m_targets.begin(), m_targets.end(), target) == m_targets.end())
        m_targets.push_back(target);
}

bool IContextEvent::DetachTarget(ITargetEvent* target)
{
    const auto it = std::find(m_targets.begin(), m_targets.end(), target);
    if (it == m_targets.end())
        return false;
    m_targets.erase(it);
    return true;
}

void IContextEvent::NotifyTargets(int index, unsigned code, void* data)
{
    for (std::size_t i = 0; i < m_targets.size(); ++i)
        m_targets[i]->OnNotify(this, index, code, data);
}

}  // namespace fnd
