// CFontTable — the registry of the host's fonts (owned) and the default font. A singleton,
// created empty on first use and destroyed by shutdownCore.
#pragma once

#include "lum1core_export.h"

#include "lum/core/Font.h"

#include <memory>
#include <vector>

namespace lum::core {

class LUM1CORE_API CFontTable {
public:
    static CFontTable& GetInstance();
    // Destroys every font and the table.
    static void shutdown();

    // The table owns the font from now on. Null and a font already held are ignored.
    void Add(ICADFont* font);
    // The first font named exactly name; otherwise the default when useDefault, else null.
    const ICADFont* Get(const fnd::String& name, bool useDefault) const;
    const ICADFont* GetDefault() const { return m_default; }
    void SetDefault(const ICADFont* font) { m_default = font; }
    unsigned Size() const { return static_cast<unsigned>(m_fonts.size()); }
    // Font i, or null when out of range.
    const ICADFont* operator[](unsigned i) const;

private:
    CFontTable() = default;
    std::vector<std::unique_ptr<ICADFont>> m_fonts;
    const ICADFont* m_default = nullptr;
};

}  // namespace lum::core
