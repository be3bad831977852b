// CColors — the names of the 257 colour numbers (0 by block ... 256 by layer), from the
// library's string table; a number without a name is named with its digits on first use.
// A singleton, destroyed by shutdownCore.
#pragma once

#include "lum1core_export.h"

#include "fnd/String.h"

#include <array>
#include <cstdint>

namespace lum::core {

class LUM1CORE_API CColors {
public:
    static constexpr unsigned kNoColors = 257;

    static CColors& GetInstance();
    static void shutdown();

    // The name of colour number; empty for a number above 256.
    const fnd::String& operator[](unsigned color);

private:
    CColors();
    std::array<fnd::String, kNoColors> m_names;
};

}  // namespace lum::core
