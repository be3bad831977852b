#include "lum/core/LtypeComplexDashSeq.h"

#include "NewObject.h"

#include <algorithm>
#include <cmath>

namespace lum::core {

CLtypeComplexDashSeq::CLtypeComplexDashSeq(const CLtypeComplexDashSeq& o)
    : m_patternLen(o.m_patternLen), m_maxDash(o.m_maxDash), m_hasLines(o.m_hasLines),
      m_hasText(o.m_hasText)
{
    m_dashes.reserve(o.m_dashes.size());
    for (const auto& d : o.m_dashes)
        m_dashes.push_back(d->Clone());
}

CLtypeComplexDashSeq& CLtypeComplexDashSeq::operator=(const CLtypeComplexDashSeq& o)
{
    if (this != &o) {
        CLtypeComplexDashSeq copy(o);
        *this = std::move(copy);
    }
    return *this;
}

CLtypeComplexDashSeq::~CLtypeComplexDashSeq() = default;

void CLtypeComplexDashSeq::InsertDashDouble(unsigned i, double value)
{
    const auto pos = m_dashes.begin() + std::min<std::size_t>(i, m_dashes.size());
    m_dashes.insert(pos, std::make_unique<CDoubleLtypeComplexDash>(value));
    Recompute();
}

void CLtypeComplexDashSeq::InsertDashText(unsigned i, const TEXT_3D& text)
{
    const auto pos = m_dashes.begin() + std::min<std::size_t>(i, m_dashes.size());
    m_dashes.insert(pos, std::make_unique<CFontLtypeComplexDash>(text));
    Recompute();
}

bool CLtypeComplexDashSeq::RemoveDash(unsigned i)
{
    if (i >= m_dashes.size())
        return false;
    m_dashes.erase(m_dashes.begin() + i);
    Recompute();
    return true;
}

void CLtypeComplexDashSeq::ClearDashes()
{
    m_dashes.clear();
    Recompute();
}

const ILtypeComplexDash* CLtypeComplexDashSeq::Get(unsigned i) const
{
    return i < m_dashes.size() ? m_dashes[i].get() : nullptr;
}

void CLtypeComplexDashSeq::Recompute()
{
    m_patternLen = 0.0;
    m_maxDash = 0.0;
    m_hasLines = false;
    m_hasText = false;
    for (const auto& d : m_dashes) {
        if (d->IsText()) {
            m_hasText = true;
            continue;
        }
        const double a = std::fabs(d->GetValue());
        m_patternLen += a;
        m_maxDash = std::max(m_maxDash, a);
        if (d->GetValue() > 0.0)
            m_hasLines = true;
    }
}

bool CLtypeComplexDashSeq::operator==(const CLtypeComplexDashSeq& o) const
{
    if (m_dashes.size() != o.m_dashes.size())
        return false;
    for (std::size_t i = 0; i < m_dashes.size(); ++i) {
        const ILtypeComplexDash& a = *m_dashes[i];
        const ILtypeComplexDash& b = *o.m_dashes[i];
        if (a.IsText() != b.IsText())
            return false;
        if (a.IsText() ? !(*a.GetText() == *b.GetText()) : a.GetValue() != b.GetValue())
            return false;
    }
    return true;
}

CLtypeComplexDashSeqMemento* CLtypeComplexDashSeq::CreateMemento() const
{
    return detail::NewOrThrow([&] { return new CLtypeComplexDashSeqMemento(*this); });
}

void CLtypeComplexDashSeq::SetMemento(const CLtypeComplexDashSeqMemento* m)
{
    if (m)
        *this = m->GetSeq();
}

}  // namespace lum::core
