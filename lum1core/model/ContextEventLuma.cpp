#include "lum/core/ContextEventLuma.h"

#include <new>

namespace {
fnd::CSourceEventTypeRegistry& Registry()
{
    static fnd::CSourceEventTypeRegistry registry;
    return registry;
}
}  // namespace

void RegisterLUMASourceEventType(fnd::ISourceEventType* type) { Registry().Register(type); }

fnd::IContextEvent* CreateLUMAContextEvent()
{
    return new (std::nothrow) fnd::IContextEvent(Registry());
}

const fnd::CSourceEventTypeRegistry& GetLUMASourceEventTypeRegistry() { return Registry(); }
