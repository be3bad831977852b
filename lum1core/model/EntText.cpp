#include "lum/core/EntText.h"

#include "EntKindMacros.h"
#include "lum/core/EntInsert.h"
#include "lum/core/EntSite.h"
#include "lum/core/Style.h"

namespace lum::core {

CEntText::CEntText(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text, std::uint32_t h)
    : CEnt(l, t, c, h), m_text(text), m_styleRef(text.GetStyle())
{
}

CEntText::CEntText(const CEntText& src) : CEnt(src), m_text(src.m_text), m_styleRef(src.m_styleRef) {}

CEntText* CEntText::Create(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text,
                           std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntText(l, t, c, text, h); });
}
LUM_ENT_COPY(CEntText)
LUM_ENT_ACCEPT(CEntText)

void CEntText::OnInsertTable(IHandleTable* table)
{
    const bool wasFree = !m_site;
    CEnt::OnInsertTable(table);
    if (wasFree && m_site && m_styleRef)
        m_styleRef->AddEntity();
}

void CEntText::OnRemoveTable()
{
    if (m_site && m_styleRef)
        m_styleRef->SubEntity();
    CEnt::OnRemoveTable();
}

void CEntText::DoSetText(const TEXT_3D& text)
{
    MoveCount(m_styleRef.get(), text.GetStyle());
    m_styleRef.reset(text.GetStyle());
    m_text = text;
}

void CEntText::SetStyle(CStyle* style)
{
    CModifyingEnt guard(this);
    TEXT_3D t = m_text;
    t.SetStyle(style);
    DoSetText(t);
}

void CEntText::SetText(const TEXT_3D& text)
{
    CModifyingEnt guard(this);
    DoSetText(text);
}

void CEntText::SetText(const fnd::geom::VECTOR_3D& e, const TEXT_3D& text)
{
    CModifyingEnt guard(this);
    m_extrusion = e;
    DoSetText(text);
}

void CEntText::FillText(CEntTextMemento& m) const
{
    FillMemento(m);
    m.text = m_text;
    m.style = m_styleRef;
}

bool CEntText::TextChanged(const CEntTextMemento& m) const
{
    return BaseChanged(m) || !(m.text == m_text);
}

void CEntText::RestoreText(const CEntTextMemento& m)
{
    RestoreBase(m);
    DoSetText(m.text);
}

fnd::IMemento* CEntText::CreateMemento() const
{
    auto* m = new (std::nothrow) CEntTextMemento;
    if (m)
        FillText(*m);
    return m;
}

bool CEntText::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEntTextMemento>(mm);
    return !m || TextChanged(*m);
}

void CEntText::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEntTextMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreText(*m);
}

// Attribute definitions.

CEntAttdef* CEntAttdef::Create(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text,
                               const fnd::String& value, const fnd::String& prompt,
                               std::uint32_t flags, std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntAttdef(l, t, c, text, value, prompt, flags, h); });
}
LUM_ENT_COPY(CEntAttdef)
LUM_ENT_ACCEPT(CEntAttdef)

void CEntAttdef::SetAttdef(const TEXT_3D& text, const fnd::String& value, const fnd::String& prompt,
                           std::uint32_t flags)
{
    CModifyingEnt guard(this);
    DoSetText(text);
    m_value = value;
    m_prompt = prompt;
    m_flags = flags;
}

void CEntAttdef::SetTag(const fnd::String& tag)
{
    CModifyingEnt guard(this);
    SetString(tag);
}

void CEntAttdef::SetValue(const fnd::String& value)
{
    CModifyingEnt guard(this);
    m_value = value;
}

void CEntAttdef::SetPrompt(const fnd::String& prompt)
{
    CModifyingEnt guard(this);
    m_prompt = prompt;
}

void CEntAttdef::SetFlags(std::uint32_t flags)
{
    CModifyingEnt guard(this);
    m_flags = flags;
}

fnd::IMemento* CEntAttdef::CreateMemento() const
{
    auto* m = new (std::nothrow) CEntAttdefMemento;
    if (!m)
        return nullptr;
    FillText(*m);
    m->value = m_value;
    m->prompt = m_prompt;
    m->flags = m_flags;
    return m;
}

bool CEntAttdef::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEntAttdefMemento>(mm);
    return !m || TextChanged(*m) || !(m->value == m_value) || !(m->prompt == m_prompt) ||
           m->flags != m_flags;
}

void CEntAttdef::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEntAttdefMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreText(*m);
    m_value = m->value;
    m_prompt = m->prompt;
    m_flags = m->flags;
}

// Attributes.

CEntAttrib::CEntAttrib(const CEntAttdef& def, const fnd::String& value)
    : CEntText(def), m_tag(def.GetTag()), m_flags(def.GetFlags())
{
    SetString(value);
}

CEntAttrib* CEntAttrib::Create(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text,
                               const fnd::String& tag, std::uint32_t flags, std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntAttrib(l, t, c, text, tag, flags, h); });
}
LUM_ENT_COPY(CEntAttrib)
LUM_ENT_ACCEPT(CEntAttrib)

CEntAttrib* CEntAttrib::Create(const CEntAttdef* def, const fnd::String& value)
{
    return def ? detail::NewOrThrow([&] { return new CEntAttrib(*def, value); }) : nullptr;
}

CEnt* CEntAttrib::GetModifiedEnt()
{
    if (!m_site)
        return nullptr;
    if (auto* insert = dynamic_cast<CEntInsert*>(m_site))
        return insert;
    return this;
}

void CEntAttrib::SetAttrib(const TEXT_3D& text, const fnd::String& tag, std::uint32_t flags)
{
    CModifyingEnt guard(this);
    DoSetText(text);
    m_tag = tag;
    m_flags = flags;
}

void CEntAttrib::SetTag(const fnd::String& tag)
{
    CModifyingEnt guard(this);
    m_tag = tag;
}

void CEntAttrib::SetValue(const fnd::String& value)
{
    CModifyingEnt guard(this);
    SetString(value);
}

void CEntAttrib::SetFlags(std::uint32_t flags)
{
    CModifyingEnt guard(this);
    m_flags = flags;
}

fnd::IMemento* CEntAttrib::CreateMemento() const
{
    auto* m = new (std::nothrow) CEntAttribMemento;
    if (!m)
        return nullptr;
    FillText(*m);
    m->tag = m_tag;
    m->flags = m_flags;
    return m;
}

bool CEntAttrib::HasChanged(const fnd::IMemento* mm) const
{
    const auto* m = OwnMemento<CEntAttribMemento>(mm);
    return !m || TextChanged(*m) || !(m->tag == m_tag) || m->flags != m_flags;
}

void CEntAttrib::OnSetMemento(fnd::IMemento* mm)
{
    const auto* m = OwnMemento<CEntAttribMemento>(mm);
    if (!m)
        return;
    CModifyingEnt guard(this);
    RestoreText(*m);
    m_tag = m->tag;
    m_flags = m->flags;
}

}  // namespace lum::core
