// CStyle — a text style: font, fixed height (0 = variable), width factor, obliquing angle,
// last height used, and the number of linetypes whose text dashes use it. Kind code 3.
// Flags kept: bit 0 shape file, bit 2 vertical, bit 8 bold, bit 9 italic, bit 15 private.
#pragma once

#include "lum1core_export.h"

#include "lum/core/TableItem.h"

namespace lum::core {

class ICADFont;

class LUM1CORE_API CStyle : public ITableItem {
public:
    static constexpr std::uint32_t kShape = 0x1, kVertical = 0x4, kBold = 0x100, kItalic = 0x200;
    static constexpr std::uint32_t kFlagMask = 0x8305;

    static CStyle* Create(const fnd::String& name, const ICADFont* font, double fixedHeight,
                          double widthScale, double oblique, double lastHeight,
                          std::uint32_t flags, std::uint32_t handle);
    static CStyle* Create(const fnd::String& name, const CStyle* src);

    std::uint16_t GetType() const override { return 3; }
    fnd::String ToString() const override { return fnd::String("Style - ") + GetName(); }
    void AssertValid() const override;
    virtual bool IsStandard() const { return false; }

    const ICADFont* GetFont() const { return m_font; }
    double GetFixedHeight() const { return m_fixedHeight; }
    double GetWidthScale() const { return m_width; }
    double GetOblique() const { return m_oblique; }
    double GetLastHeight() const { return m_lastHeight; }
    bool IsHoriz() const { return (GetFlags() & kVertical) == 0; }
    bool IsBold() const { return (GetFlags() & kBold) != 0; }
    bool IsItalic() const { return (GetFlags() & kItalic) != 0; }
    bool IsShape() const { return (GetFlags() & kShape) != 0; }
    std::uint32_t GetNoLtype() const { return m_ltypes; }
    // Name ignoring case, flags, font, fixed height, width factor, obliquing.
    bool Equals(const CStyle* o) const;

    // One change; a drawing change when font or flags differ.
    void SetStyle(const fnd::String& name, const ICADFont* font, double fixedHeight,
                  double widthScale, double oblique, double lastHeight, std::uint32_t flags);
    void SetFont(const ICADFont* font);
    void SetFixedHeight(double h);
    void SetWidthScale(double w);
    void SetOblique(double a);
    void SetHoriz(bool on);
    void SetBold(bool on);
    void SetItalic(bool on);
    // Sets the last height only for a variable-height style; no notification.
    void UpdateLastHeight(double h);

    // A text dash of a linetype uses the style: a reference and a count.
    void AddLtype();
    void SubLtype();

    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

protected:
    CStyle(const fnd::String& name, const ICADFont* font, double fixedHeight, double widthScale,
           double oblique, double lastHeight, std::uint32_t flags, std::uint32_t handle);
    void OnSetMemento(fnd::IMemento* m) override;

private:
    void SetFlagBit(std::uint32_t bit, bool on);
    double m_fixedHeight;
    double m_width;
    double m_oblique;
    double m_lastHeight;
    const ICADFont* m_font;
    std::uint32_t m_ltypes = 0;
};

// The style named "STANDARD", which every drawing holds.
class LUM1CORE_API CStyleStandard : public CStyle {
public:
    static CStyleStandard* Create(const ICADFont* font, double fixedHeight, double widthScale,
                                  double oblique, double lastHeight, std::uint32_t flags,
                                  std::uint32_t handle);
    bool IsStandard() const override { return true; }
    void AssertValid() const override;

private:
    CStyleStandard(const ICADFont* font, double fixedHeight, double widthScale, double oblique,
                   double lastHeight, std::uint32_t flags, std::uint32_t handle);
};

}  // namespace lum::core
