#include "lum/core/ModifyingEnt.h"

#include "fnd/ContextEvent.h"
#include "lum/core/Ent.h"
#include "lum/core/EntSite.h"
#include "lum/core/ModifyingEntEvent.h"

namespace lum::core {

CModifyingEnt::CModifyingEnt(CEnt* ent)
{
    if (!ent)
        return;
    const IEntSite* site = ent->GetEntSite();
    if (!site || site->IsBlock())
        return;
    m_context = site->GetContextEvent();
    if (!m_context)
        return;
    m_named = ent->GetModifiedEnt();
    // An attribute names its insert: an insert inside a block definition raises nothing.
    if (!m_named || (m_named != ent && (!m_named->GetEntSite() || m_named->GetEntSite()->IsBlock()))) {
        m_context = nullptr;
        return;
    }
    m_context->BeginModify();
    ModifyingEnt(m_context, m_named);
}

CModifyingEnt::~CModifyingEnt()
{
    if (!m_context)
        return;
    ModifiedEnt(m_context, m_named);
    m_context->EndModify();
}

}  // namespace lum::core
