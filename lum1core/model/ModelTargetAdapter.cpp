#include "lum/core/ModelTargetAdapter.h"

#include "lum/core/ModifyingEntEvent.h"
#include "lum/core/ModifyingTablesEvent.h"

namespace lum::core {

void CModelTargetAdapter::OnNotify(fnd::IContextEvent*, int kindIndex, unsigned code, void* data)
{
    if (IsModifyingEntSourceEvent(kindIndex))
        IModifyingEntTargetEvent::Dispatch(code, data, m_ents);
    else if (IsModifyingTablesSourceEvent(kindIndex))
        IModifyingTablesTargetEvent::Dispatch(code, data, m_tables);
}

}  // namespace lum::core
