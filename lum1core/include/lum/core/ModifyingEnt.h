// CModifyingEnt — the change protocol of one entity, held for a scope. When the entity sits
// in a site that is not a block definition, construction opens a modification bracket and
// raises ModifyingEnt naming GetModifiedEnt(); destruction raises ModifiedEnt and closes
// the bracket, also when the change ends with an exception. Free entities and entities of
// block definitions raise nothing.
#pragma once

#include "lum1core_export.h"

namespace fnd {
class IContextEvent;
}

namespace lum::core {

class CEnt;

class LUM1CORE_API CModifyingEnt {
public:
    explicit CModifyingEnt(CEnt* ent);
    CModifyingEnt(const CModifyingEnt&) = delete;
    CModifyingEnt& operator=(const CModifyingEnt&) = delete;
    ~CModifyingEnt();

private:
    fnd::IContextEvent* m_context = nullptr;
    CEnt* m_named = nullptr;
};

}  // namespace lum::core
