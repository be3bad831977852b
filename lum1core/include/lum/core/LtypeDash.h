// The dashes of a linetype: a number (drawn length, gap or dot) or a text.
#pragma once

#include "lum1core_export.h"

#include "lum/core/Text3D.h"

#include <memory>

namespace lum::core {

class LUM1CORE_API ILtypeComplexDash {
public:
    virtual ~ILtypeComplexDash() = default;
    virtual std::unique_ptr<ILtypeComplexDash> Clone() const = 0;
    virtual bool IsDoubleDash() const { return false; }
    virtual bool IsText() const { return false; }
    virtual double GetValue() const { return 0.0; }
    virtual const TEXT_3D* GetText() const { return nullptr; }
};

// Positive: drawn length; negative: gap; 0: dot.
class LUM1CORE_API CDoubleLtypeComplexDash : public ILtypeComplexDash {
public:
    explicit CDoubleLtypeComplexDash(double v) : m_value(v) {}
    std::unique_ptr<ILtypeComplexDash> Clone() const override;
    bool IsDoubleDash() const override { return true; }
    double GetValue() const override { return m_value; }

private:
    double m_value;
};

// A text drawn along the line; its point is the displacement from the dash position. The
// dash holds a reference and a linetype count on the text's style for its whole life.
class LUM1CORE_API CFontLtypeComplexDash : public ILtypeComplexDash {
public:
    explicit CFontLtypeComplexDash(const TEXT_3D& text);
    CFontLtypeComplexDash(const CFontLtypeComplexDash&) = delete;
    CFontLtypeComplexDash& operator=(const CFontLtypeComplexDash&) = delete;
    ~CFontLtypeComplexDash() override;
    std::unique_ptr<ILtypeComplexDash> Clone() const override;
    bool IsText() const override { return true; }
    const TEXT_3D* GetText() const override { return &m_text; }

private:
    TEXT_3D m_text;
};

}  // namespace lum::core
