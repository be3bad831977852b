// CLtypeComplexDashSeq — the dashes of a linetype with their pattern length (sum of the
// absolute numeric dashes), largest absolute dash and whether lines and texts occur.
#pragma once

#include "lum1core_export.h"

#include "fnd/Memento.h"
#include "lum/core/LtypeDash.h"

#include <memory>
#include <vector>

namespace lum::core {

class CLtypeComplexDashSeqMemento;

class LUM1CORE_API CLtypeComplexDashSeq {
public:
    CLtypeComplexDashSeq() = default;
    CLtypeComplexDashSeq(const CLtypeComplexDashSeq& o);
    CLtypeComplexDashSeq& operator=(const CLtypeComplexDashSeq& o);
    CLtypeComplexDashSeq(CLtypeComplexDashSeq&&) noexcept = default;
    CLtypeComplexDashSeq& operator=(CLtypeComplexDashSeq&&) noexcept = default;
    ~CLtypeComplexDashSeq();

    // Index beyond the end appends.
    void InsertDashDouble(unsigned i, double value);
    void AddDashDouble(double value) { InsertDashDouble(GetNoDashes(), value); }
    void InsertDashText(unsigned i, const TEXT_3D& text);
    void AddDashText(const TEXT_3D& text) { InsertDashText(GetNoDashes(), text); }
    // False when out of range.
    bool RemoveDash(unsigned i);
    void ClearDashes();

    unsigned GetNoDashes() const { return static_cast<unsigned>(m_dashes.size()); }
    // Dash i, or null when out of range.
    const ILtypeComplexDash* Get(unsigned i) const;
    bool HasLines() const { return m_hasLines; }
    bool HasText() const { return m_hasText; }
    double GetPatternLen() const { return m_patternLen; }
    double GetMaxDash() const { return m_maxDash; }

    // Same dashes in the same order: numbers exactly, texts by their description.
    bool operator==(const CLtypeComplexDashSeq& o) const;

    CLtypeComplexDashSeqMemento* CreateMemento() const;
    void SetMemento(const CLtypeComplexDashSeqMemento* m);

private:
    void Recompute();
    double m_patternLen = 0.0;
    double m_maxDash = 0.0;
    std::vector<std::unique_ptr<ILtypeComplexDash>> m_dashes;
    bool m_hasLines = false;
    bool m_hasText = false;
};

// Snapshot of a dash sequence: a deep copy of it (text dashes keep their styles alive).
class LUM1CORE_API CLtypeComplexDashSeqMemento : public fnd::IMemento {
public:
    explicit CLtypeComplexDashSeqMemento(const CLtypeComplexDashSeq& seq) : m_seq(seq) {}
    fnd::String ToString() const override { return "CLtypeComplexDashSeqMemento"; }
    const CLtypeComplexDashSeq& GetSeq() const { return m_seq; }

private:
    CLtypeComplexDashSeq m_seq;
};

}  // namespace lum::core
