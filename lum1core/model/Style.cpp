#include "lum/core/Style.h"

#include "NewObject.h"
#include "lum/core/TableItemMementos.h"

namespace lum::core {

CStyle::CStyle(const fnd::String& name, const ICADFont* font, double fixedHeight, double widthScale,
               double oblique, double lastHeight, std::uint32_t flags, std::uint32_t handle)
    : ITableItem(name, flags & kFlagMask, handle), m_fixedHeight(fixedHeight), m_width(widthScale),
      m_oblique(oblique), m_lastHeight(lastHeight), m_font(font)
{
}

CStyle* CStyle::Create(const fnd::String& name, const ICADFont* font, double fixedHeight,
                       double widthScale, double oblique, double lastHeight, std::uint32_t flags,
                       std::uint32_t handle)
{
    return detail::NewOrThrow([&] {
        return new CStyle(name, font, fixedHeight, widthScale, oblique, lastHeight, flags, handle);
    });
}

CStyle* CStyle::Create(const fnd::String& name, const CStyle* src)
{
    if (!src)
        return nullptr;
    return Create(name, src->m_font, src->m_fixedHeight, src->m_width, src->m_oblique,
                  src->m_lastHeight, src->GetFlags(), 0);
}

void CStyle::AssertValid() const
{
    if (!fnd::TestValue(m_fixedHeight))
        throw fnd::CVariableNotInitializedException("m_dFixedHeight");
    if (!fnd::TestValue(m_width))
        throw fnd::CVariableNotInitializedException("m_dWidthScale");
    if (!fnd::TestValue(m_oblique))
        throw fnd::CVariableNotInitializedException("m_dOblique");
    if (!fnd::TestValue(m_lastHeight))
        throw fnd::CVariableNotInitializedException("m_dLastHeight");
    if (m_ltypes >= 1001)
        throw fnd::CVariableNotInitializedException("m_iNoLtypes");
}

bool CStyle::Equals(const CStyle* o) const
{
    return ITableItem::Equals(o) && m_font == o->m_font && m_fixedHeight == o->m_fixedHeight &&
           m_width == o->m_width && m_oblique == o->m_oblique;
}

void CStyle::SetStyle(const fnd::String& name, const ICADFont* font, double fixedHeight,
                      double widthScale, double oblique, double lastHeight, std::uint32_t flags)
{
    const std::uint32_t newFlags = (GetFlags() & ~kFlagMask) | flags;
    CModifyingTableItem guard(this);
    if (font != m_font || newFlags != GetFlags())
        guard.DrawInfoChanged();
    DoSetName(name);
    m_font = font;
    m_fixedHeight = fixedHeight;
    m_width = widthScale;
    m_oblique = oblique;
    m_lastHeight = lastHeight;
    DoSetFlags(newFlags);
}

void CStyle::SetFont(const ICADFont* font)
{
    if (font == m_font)
        return;
    CModifyingTableItem guard(this);
    guard.DrawInfoChanged();
    m_font = font;
}

void CStyle::SetFixedHeight(double h)
{
    CModifyingTableItem guard(this);
    m_fixedHeight = h;
}

void CStyle::SetWidthScale(double w)
{
    CModifyingTableItem guard(this);
    m_width = w;
}

void CStyle::SetOblique(double a)
{
    CModifyingTableItem guard(this);
    m_oblique = a;
}

void CStyle::SetFlagBit(std::uint32_t bit, bool on)
{
    if (((GetFlags() & bit) != 0) == on)
        return;
    CModifyingTableItem guard(this);
    guard.DrawInfoChanged();
    DoSetFlags(on ? (GetFlags() | bit) : (GetFlags() & ~bit));
}

void CStyle::SetHoriz(bool on) { SetFlagBit(kVertical, !on); }
void CStyle::SetBold(bool on) { SetFlagBit(kBold, on); }
void CStyle::SetItalic(bool on) { SetFlagBit(kItalic, on); }

void CStyle::UpdateLastHeight(double h)
{
    if (m_fixedHeight == 0.0)
        m_lastHeight = h;
}

void CStyle::AddLtype()
{
    AddReference();
    ++m_ltypes;
}

void CStyle::SubLtype()
{
    if (m_ltypes == 0)
        return;
    --m_ltypes;
    SubReference();
}

fnd::IMemento* CStyle::CreateMemento() const { return CStyleMemento::Create(this); }

bool CStyle::HasChanged(const fnd::IMemento* memento) const
{
    const auto* m = dynamic_cast<const CStyleMemento*>(memento);
    if (!m)
        return true;
    return m->BaseChanged(this) || m->fixedHeight != m_fixedHeight || m->widthScale != m_width ||
           m->oblique != m_oblique || m->lastHeight != m_lastHeight || m->font != m_font;
}

void CStyle::OnSetMemento(fnd::IMemento* memento)
{
    const auto* m = dynamic_cast<const CStyleMemento*>(memento);
    if (!m)
        return;
    SetStyle(m->GetName(), m->font, m->fixedHeight, m->widthScale, m->oblique, m->lastHeight,
             m->GetFlags());
}

CStyleStandard::CStyleStandard(const ICADFont* font, double fixedHeight, double widthScale,
                               double oblique, double lastHeight, std::uint32_t flags,
                               std::uint32_t handle)
    : CStyle("STANDARD", font, fixedHeight, widthScale, oblique, lastHeight, flags, handle)
{
}

CStyleStandard* CStyleStandard::Create(const ICADFont* font, double fixedHeight, double widthScale,
                                       double oblique, double lastHeight, std::uint32_t flags,
                                       std::uint32_t handle)
{
    return detail::NewOrThrow([&] {
        return new CStyleStandard(font, fixedHeight, widthScale, oblique, lastHeight, flags, handle);
    });
}

void CStyleStandard::AssertValid() const
{
    CStyle::AssertValid();
    if (!GetName().EqualsNoCase("STANDARD"))
        throw fnd::CVariableNotInitializedException("CStyleStandard.m_sName");
}

}  // namespace lum::core
