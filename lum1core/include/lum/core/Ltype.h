// CLtype — a linetype: its dash sequence, description and the number of layers in a table
// that use it. Kind code 2; only the private flag is kept.
#pragma once

#include "lum1core_export.h"

#include "lum/core/LtypeComplexDashSeq.h"
#include "lum/core/TableItem.h"

namespace lum::core {

class LUM1CORE_API CLtype : public ITableItem {
public:
    static constexpr std::uint32_t kFlagMask = 0x8000;

    static CLtype* Create(const fnd::String& name, const fnd::String& desc,
                          const CLtypeComplexDashSeq& dashes, std::uint32_t flags, std::uint32_t handle);
    static CLtype* Create(const fnd::String& name, const fnd::String& desc, const double* dashes,
                          unsigned count, std::uint32_t flags, std::uint32_t handle);
    static CLtype* Create(const fnd::String& name, const CLtype* src);

    std::uint16_t GetType() const override { return 2; }
    fnd::String ToString() const override { return fnd::String("Ltype - ") + GetName(); }
    void AssertValid() const override;

    virtual bool IsContinuous() const { return false; }
    virtual bool IsByLayer() const { return false; }
    virtual bool IsByBlock() const { return false; }
    bool IsXRef() const override { return false; }

    const fnd::String& GetDesc() const { return m_desc; }
    std::uint32_t GetLayers() const { return m_layers; }
    double GetPatternLen() const { return m_dashes.GetPatternLen(); }
    unsigned GetNoDashes() const { return m_dashes.GetNoDashes(); }
    const ILtypeComplexDash* GetDash(unsigned i) const { return m_dashes.Get(i); }
    const CLtypeComplexDashSeq& GetDashSeq() const { return m_dashes; }
    bool HasLines() const { return m_dashes.HasLines(); }
    bool HasText() const { return m_dashes.HasText(); }

    // Dash edits change what the linetype draws.
    void AddDashDouble(double value);
    void AddDashText(const TEXT_3D& text);
    void ClearDashes();
    // Takes description, dashes and flags of src (the name stays).
    void Copy(const CLtype* src);
    void SetLtype(const fnd::String& name, const fnd::String& desc, std::uint32_t flags);
    // Name ignoring case, flags, description exactly, number of dashes.
    bool Equals(const CLtype* o) const;

    // A layer in a table uses the linetype: a reference and a count.
    void AddLayer();
    void SubLayer();

    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

protected:
    CLtype(const fnd::String& name, const fnd::String& desc, const CLtypeComplexDashSeq& dashes,
           std::uint32_t flags, std::uint32_t handle);
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CLtypeComplexDashSeq m_dashes;
    fnd::String m_desc;
    std::uint32_t m_layers = 0;
};

}  // namespace lum::core
