// TEXT_3D — a text description: alignment point, text context, style and alignment index
// (0 "Left" ... 11 "Bottom right"). The style is not counted here; the owner counts it.
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/Point.h"
#include "fnd/geom/Rect.h"
#include "lum/core/TextContext.h"

#include <cstdint>

namespace lum::core {

class CStyle;

class LUM1CORE_API TEXT_3D {
public:
    static const std::uint32_t s_iHorizAlign[12];
    static const std::uint32_t s_iVertAlign[12];
    static const char* const s_lpszAlignNames[12];

    TEXT_3D() = default;
    TEXT_3D(const CTextContext& context, CStyle* style, const fnd::geom::PNT_3D& point,
            std::uint32_t align);
    TEXT_3D(const fnd::String& text, CStyle* style, double height, double oblique,
            double widthScale, double rotation, const fnd::geom::PNT_3D& point, std::uint32_t align);
    void SetText(const fnd::String& text, CStyle* style, double height, double oblique,
                 double widthScale, double rotation, const fnd::geom::PNT_3D& point,
                 std::uint32_t align);

    const fnd::geom::PNT_3D& GetPoint() const { return m_point; }
    void SetPoint(const fnd::geom::PNT_3D& p) { m_point = p; }
    const CTextContext& GetContext() const { return m_context; }
    CTextContext& GetContext() { return m_context; }
    CStyle* GetStyle() const { return m_style; }
    void SetStyle(CStyle* s) { m_style = s; }
    std::uint32_t GetAlign() const { return m_align; }
    // Indices above 11 become 0.
    void SetAlign(std::uint32_t align) { m_align = align < 12 ? align : 0; }
    std::uint32_t GetHorizAlign() const { return s_iHorizAlign[m_align]; }
    std::uint32_t GetVertAlign() const { return s_iVertAlign[m_align]; }
    void SetHorizAlign(std::uint32_t h) { m_align = FindAlign(h, GetVertAlign()); }
    void SetVertAlign(std::uint32_t v) { m_align = FindAlign(GetHorizAlign(), v); }

    // The index of the (horizontal, vertical) pair, 0 when none.
    static std::uint32_t FindAlign(std::uint32_t horiz, std::uint32_t vert);
    // The name of an alignment index; empty when out of range.
    static const char* GetAlignName(std::uint32_t align);

    bool operator==(const TEXT_3D& o) const
    {
        return m_point == o.m_point && m_context == o.m_context && m_style == o.m_style &&
               m_align == o.m_align;
    }
    // Scales the point about centre and multiplies the height.
    void scale(const fnd::geom::PNT_3D& centre, double factor);

    // The text box, measured with the style's font. Each returns false (outputs untouched)
    // when the text has no style, the style no font, or the font a cell height of 0.
    // The four corners of the box, bottom left first, counter-clockwise before rotation.
    bool GetExtremes(double x[4], double y[4]) const;
    // The displacement from the point to the left end of the baseline.
    bool GetDeltaXY(double& dx, double& dy) const;
    // The left end of the baseline.
    bool GetBasePoint(fnd::geom::PNT_3D& base) const;
    // The smallest rectangle holding the box; the 3-D form takes the point's z.
    bool CalcBdry(fnd::geom::RECT_2D& box) const;
    bool CalcBdry(fnd::geom::RECT_3D& box) const;

private:
    fnd::geom::PNT_3D m_point;
    CTextContext m_context;
    CStyle* m_style = nullptr;
    std::uint32_t m_align = 0;
};

}  // namespace lum::core
