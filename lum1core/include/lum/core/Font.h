// ICADFont — a font, implemented by the host. The model asks it for its cell height, its
// descent and the ink box of a string, all in font units.
#pragma once

#include "lum1core_export.h"

#include "fnd/String.h"

namespace lum::core {

class LUM1CORE_API ICADFont {
public:
    explicit ICADFont(const fnd::String& name) : m_name(name) {}
    virtual ~ICADFont() = default;
    const fnd::String& GetName() const { return m_name; }

    virtual int GetCellHeight() const = 0;
    virtual int GetReserved() const = 0;  // never called by the model
    virtual int GetDescent() const = 0;
    // Fills the advance width and the top and bottom of the ink box of text.
    virtual int MeasureText(const char* text, bool horizontal, bool bold, bool italic,
                            int& width, int& top, int& bottom) const = 0;

private:
    fnd::String m_name;
};

}  // namespace lum::core
