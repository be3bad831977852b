// Start and end of the drawing core.
#include "lum/core/Colors.h"
#include "lum/core/ContextEventLuma.h"
#include "lum/core/FontTable.h"
#include "lum/core/Functions.h"
#include "lum/core/LoadingFileEvent.h"
#include "lum/core/ModifyingEntEvent.h"
#include "lum/core/ModifyingTablesEvent.h"

namespace lum::core {

void initCore()
{
    // The registry ignores a kind registered already, so a second call changes nothing.
    RegisterLUMASourceEventType(GetModifyingEntSourceEventType());
    RegisterLUMASourceEventType(GetLoadingFileSourceEventType());
    RegisterLUMASourceEventType(GetModifyingTablesSourceEventType());
}

void shutdownCore()
{
    CFontTable::shutdown();
    CColors::shutdown();
}

}  // namespace lum::core
