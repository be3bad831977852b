// CModelTargetAdapter — a context listener that hands the model's notifications to typed
// listeners (either may be null) and passes batch begin/end on.
#pragma once

#include "lum1core_export.h"

#include "fnd/ContextEvent.h"

namespace lum::core {

class IModifyingEntTargetEvent;
class IModifyingTablesTargetEvent;

class LUM1CORE_API CModelTargetAdapter : public fnd::ITargetEvent {
public:
    CModelTargetAdapter(IModifyingEntTargetEvent* ents, IModifyingTablesTargetEvent* tables)
        : m_ents(ents), m_tables(tables) {}
    void OnNotify(fnd::IContextEvent* context, int kindIndex, unsigned code, void* data) override;

private:
    IModifyingEntTargetEvent* m_ents;
    IModifyingTablesTargetEvent* m_tables;
};

}  // namespace lum::core
