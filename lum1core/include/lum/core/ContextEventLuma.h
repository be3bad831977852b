// The drawing core's own notification machinery: its registry of notification kinds and
// the factory of its notification contexts.
#pragma once

#include "lum1core_export.h"

#include "fnd/ContextEvent.h"

namespace fnd {
class ISourceEventType;
}

// Puts the kind in the first free slot of the library's registry (20 slots); nothing
// happens when every slot is taken or the kind is registered already.
LUM1CORE_API void RegisterLUMASourceEventType(fnd::ISourceEventType* type);
// A new context with one source per kind registered now (one reference, owned by the
// caller); null when it cannot be allocated.
LUM1CORE_API fnd::IContextEvent* CreateLUMAContextEvent();
LUM1CORE_API const fnd::CSourceEventTypeRegistry& GetLUMASourceEventTypeRegistry();
