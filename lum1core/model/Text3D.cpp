#include "lum/core/Text3D.h"

namespace lum::core {

const std::uint32_t TEXT_3D::s_iHorizAlign[12] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2};
const std::uint32_t TEXT_3D::s_iVertAlign[12] = {0, 0, 0, 3, 3, 3, 2, 2, 2, 1, 1, 1};
const char* const TEXT_3D::s_lpszAlignNames[12] = {
    "Left",        "Center",        "Right",        "Top left",    "Top center",    "Top right",
    "Middle left", "Middle center", "Middle right", "Bottom left", "Bottom center", "Bottom right"};

TEXT_3D::TEXT_3D(const CTextContext& context, CStyle* style, const fnd::geom::PNT_3D& point,
                 std::uint32_t align)
    : m_point(point), m_context(context), m_style(style)
{
    SetAlign(align);
}

TEXT_3D::TEXT_3D(const fnd::String& text, CStyle* style, double height, double oblique,
                 double widthScale, double rotation, const fnd::geom::PNT_3D& point, std::uint32_t align)
{
    SetText(text, style, height, oblique, widthScale, rotation, point, align);
}

void TEXT_3D::SetText(const fnd::String& text, CStyle* style, double height, double oblique,
                      double widthScale, double rotation, const fnd::geom::PNT_3D& point,
                      std::uint32_t align)
{
    m_context = CTextContext(text, height, oblique, widthScale, rotation);
    m_style = style;
    m_point = point;
    SetAlign(align);
}

std::uint32_t TEXT_3D::FindAlign(std::uint32_t horiz, std::uint32_t vert)
{
    for (std::uint32_t i = 0; i < 12; ++i)
        if (s_iHorizAlign[i] == horiz && s_iVertAlign[i] == vert)
            return i;
    return 0;
}

const char* TEXT_3D::GetAlignName(std::uint32_t align)
{
    return align < 12 ? s_lpszAlignNames[align] : "";
}

void TEXT_3D::scale(const fnd::geom::PNT_3D& centre, double factor)
{
    m_point = centre + (m_point - centre) * factor;
    m_context.SetHeight(m_context.GetHeight() * factor);
}

}  // namespace lum::core
