// CLayer — a layer: linetype and colour. Kind code 1. Flags kept: bit 0 frozen, bit 2
// locked, bit 7 off, bit 15 private. The layer always holds a reference on its linetype;
// while in a table it also counts itself on it (CLtype::AddLayer).
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "lum/core/Ltype.h"
#include "lum/core/TableItem.h"

namespace lum::core {

class LUM1CORE_API CLayer : public ITableItem {
public:
    static constexpr std::uint32_t kFrozen = 0x1, kLocked = 0x4, kOff = 0x80;
    static constexpr std::uint32_t kFlagMask = 0x8085;

    static CLayer* Create(const fnd::String& name, CLtype* ltype, std::uint16_t color,
                          std::uint32_t flags, std::uint32_t handle);
    static CLayer* Create(const fnd::String& name, const CLayer* src);

    std::uint16_t GetType() const override { return 1; }
    fnd::String ToString() const override { return fnd::String("Layer - ") + GetName(); }
    void AssertValid() const override;
    virtual bool Is0() const { return false; }

    CLtype* GetLtype() const { return m_ltype.get(); }
    std::uint16_t GetColor() const { return m_color; }
    bool IsOff() const { return (GetFlags() & kOff) != 0; }
    bool IsFrozen() const { return (GetFlags() & kFrozen) != 0; }
    bool IsLocked() const { return (GetFlags() & kLocked) != 0; }
    bool IsThawed() const { return (GetFlags() & (kFrozen | kOff)) == 0; }
    // Name ignoring case, flags, linetype, colour.
    bool Equals(const CLayer* o) const;

    // One change; a drawing change when linetype, colour or flags differ.
    void SetLayer(const fnd::String& name, CLtype* ltype, std::uint16_t color, std::uint32_t flags);
    void SetLtype(CLtype* ltype) { SetLayer(GetName(), ltype, m_color, GetFlags() & kFlagMask); }
    void SetColor(std::uint16_t color) { SetLayer(GetName(), m_ltype.get(), color, GetFlags() & kFlagMask); }
    void SetOff(bool on);
    void SetFrozen(bool on);
    void SetLocked(bool on);

    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;

    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

protected:
    CLayer(const fnd::String& name, CLtype* ltype, std::uint16_t color, std::uint32_t flags,
           std::uint32_t handle);
    void OnSetMemento(fnd::IMemento* m) override;

private:
    void SetFlagBit(std::uint32_t bit, bool on, bool drawChange);
    fnd::RefPtr<CLtype> m_ltype;
    std::uint16_t m_color;
};

// The layer named "0", which every drawing holds.
class LUM1CORE_API CLayer0 : public CLayer {
public:
    static CLayer0* Create(CLtype* ltype, std::uint16_t color, std::uint32_t flags, std::uint32_t handle);
    bool Is0() const override { return true; }
    void AssertValid() const override;

private:
    CLayer0(CLtype* ltype, std::uint16_t color, std::uint32_t flags, std::uint32_t handle);
};

}  // namespace lum::core
