// The text kinds: CEntText, CEntAttdef (the text's string is the tag) and CEntAttrib (the
// text's string is the value). A text holds a reference on its style and, while inserted,
// one entity count on it; every setter that changes the style moves that count.
#pragma once

#include "lum1core_export.h"

#include "lum/core/Ent.h"
#include "lum/core/Text3D.h"

namespace lum::core {

class LUM1CORE_API CEntTextMemento : public IEntMemento {
public:
    TEXT_3D text;
    fnd::RefPtr<CStyle> style;  // keeps text.GetStyle() alive
};

class LUM1CORE_API CEntAttdefMemento : public CEntTextMemento {
public:
    fnd::String value, prompt;
    std::uint32_t flags = 0;
};

class LUM1CORE_API CEntAttribMemento : public CEntTextMemento {
public:
    fnd::String tag;
    std::uint32_t flags = 0;
};

class LUM1CORE_API CEntText : public CEnt {
public:
    static CEntText* Create(CLayer* layer, CLtype* ltype, std::uint16_t color, const TEXT_3D& text,
                            std::uint32_t handle);
    static CEntText* Create(const CEntText* src);
    fnd::String ToString() const override { return "CEntText"; }
    std::uint16_t GetType() const override { return 6; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;
    CStyle* GetStyle() const override { return m_text.GetStyle(); }
    void SetStyle(CStyle* style) override;

    const TEXT_3D& GetText() const { return m_text; }
    void SetText(const TEXT_3D& text);
    // Stores the extrusion as given, in the same notification.
    void SetText(const fnd::geom::VECTOR_3D& extrusion, const TEXT_3D& text);
    // Assigns the text without notification, moving the style count.
    void DoSetText(const TEXT_3D& text);

protected:
    CEntText(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text, std::uint32_t h);
    CEntText(const CEntText& src);
    void OnSetMemento(fnd::IMemento* m) override;
    void FillText(CEntTextMemento& m) const;
    bool TextChanged(const CEntTextMemento& m) const;
    void RestoreText(const CEntTextMemento& m);
    void SetString(const fnd::String& s) { m_text.GetContext().SetString(s); }

    TEXT_3D m_text;

private:
    fnd::RefPtr<CStyle> m_styleRef;
};

class LUM1CORE_API CEntAttdef : public CEntText {
public:
    static CEntAttdef* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                              const TEXT_3D& text, const fnd::String& value,
                              const fnd::String& prompt, std::uint32_t flags, std::uint32_t handle);
    static CEntAttdef* Create(const CEntAttdef* src);
    fnd::String ToString() const override { return "CEntAttdef"; }
    std::uint16_t GetType() const override { return 7; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    const fnd::String& GetTag() const { return m_text.GetContext().GetString(); }
    const fnd::String& GetValue() const { return m_value; }
    const fnd::String& GetPrompt() const { return m_prompt; }
    std::uint32_t GetFlags() const { return m_flags; }

    void SetAttdef(const TEXT_3D& text, const fnd::String& value, const fnd::String& prompt,
                   std::uint32_t flags);
    void SetTag(const fnd::String& tag);
    void SetValue(const fnd::String& value);
    void SetPrompt(const fnd::String& prompt);
    void SetFlags(std::uint32_t flags);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntAttdef(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text, const fnd::String& value,
               const fnd::String& prompt, std::uint32_t flags, std::uint32_t h)
        : CEntText(l, t, c, text, h), m_value(value), m_prompt(prompt), m_flags(flags) {}
    CEntAttdef(const CEntAttdef& src) = default;
    fnd::String m_value, m_prompt;
    std::uint32_t m_flags;
};

class LUM1CORE_API CEntAttrib : public CEntText {
public:
    static CEntAttrib* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                              const TEXT_3D& text, const fnd::String& tag, std::uint32_t flags,
                              std::uint32_t handle);
    static CEntAttrib* Create(const CEntAttrib* src);
    // Every field of the definition's text, its tag and flags, and value as the string.
    static CEntAttrib* Create(const CEntAttdef* def, const fnd::String& value);
    fnd::String ToString() const override { return "CEntAttrib"; }
    std::uint16_t GetType() const override { return 9; }
    CEnt* Clone(CData*) const override { return Create(this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;
    // The insert holding the attribute; the attribute itself in another site; null when free.
    CEnt* GetModifiedEnt() override;

    const fnd::String& GetTag() const { return m_tag; }
    const fnd::String& GetValue() const { return m_text.GetContext().GetString(); }
    std::uint32_t GetFlags() const { return m_flags; }

    void SetAttrib(const TEXT_3D& text, const fnd::String& tag, std::uint32_t flags);
    void SetTag(const fnd::String& tag);
    void SetValue(const fnd::String& value);
    void SetFlags(std::uint32_t flags);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntAttrib(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text, const fnd::String& tag,
               std::uint32_t flags, std::uint32_t h)
        : CEntText(l, t, c, text, h), m_tag(tag), m_flags(flags) {}
    CEntAttrib(const CEntAttrib& src) = default;
    CEntAttrib(const CEntAttdef& def, const fnd::String& value);
    fnd::String m_tag;
    std::uint32_t m_flags;
};

}  // namespace lum::core
