#include "lum/core/LtypeDash.h"

#include "lum/core/Style.h"

namespace lum::core {

std::unique_ptr<ILtypeComplexDash> CDoubleLtypeComplexDash::Clone() const
{
    return std::make_unique<CDoubleLtypeComplexDash>(m_value);
}

CFontLtypeComplexDash::CFontLtypeComplexDash(const TEXT_3D& text) : m_text(text)
{
    if (CStyle* s = m_text.GetStyle())
        s->AddLtype();
}

CFontLtypeComplexDash::~CFontLtypeComplexDash()
{
    if (CStyle* s = m_text.GetStyle())
        s->SubLtype();
}

std::unique_ptr<ILtypeComplexDash> CFontLtypeComplexDash::Clone() const
{
    return std::make_unique<CFontLtypeComplexDash>(m_text);
}

}  // namespace lum::core
