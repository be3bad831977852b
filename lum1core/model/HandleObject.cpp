#include "lum/core/HandleObject.h"

#include "lum/core/HandleGestor.h"

namespace lum::core {

IHandleGestor* IHandleObject::GetHandleGestor() const
{
    const IHandleTable* t = GetHandleTable();
    return t ? t->GetHandleGestor() : nullptr;
}

void IHandleObject::AcquireHandle(IHandleTable* table)
{
    if (IHandleGestor* g = table ? table->GetHandleGestor() : nullptr)
        m_handle = g->GetHandle(m_handle);
}

void IHandleObject::ReleaseHandle(IHandleTable* table)
{
    if (IHandleGestor* g = table ? table->GetHandleGestor() : nullptr)
        g->FreeHandle(m_handle);
}

}  // namespace lum::core
