// Snapshots of the table items. Each holds what its item restores; the layer snapshot holds
// a reference on its linetype, and text dashes inside a linetype snapshot hold their
// styles, so restoring after the item was removed never reaches a destroyed object.
#pragma once

#include "lum1core_export.h"

#include "fnd/Memento.h"
#include "fnd/RefPtr.h"
#include "fnd/geom/RightRefSys.h"
#include "lum/core/LtypeComplexDashSeq.h"

#include <cstdint>

namespace lum::core {

class CLayer;
class CLtype;
class CStyle;
class CUcs;
class ICADFont;
class ITableItem;

class LUM1CORE_API ITableItemMemento : public fnd::IMemento {
public:
    fnd::String ToString() const override { return "ITableItemMemento"; }
    const fnd::String& GetName() const { return m_name; }
    std::uint32_t GetFlags() const { return m_flags; }
    // Name (ignoring case) or flags differ.
    bool BaseChanged(const ITableItem* item) const;

protected:
    explicit ITableItemMemento(const ITableItem* item);

private:
    fnd::String m_name;
    std::uint32_t m_flags;
};

class LUM1CORE_API CLayerMemento : public ITableItemMemento {
public:
    static CLayerMemento* Create(const CLayer* layer);
    CLtype* GetLtype() const { return m_ltype.get(); }
    std::uint16_t GetColor() const { return m_color; }

private:
    explicit CLayerMemento(const CLayer* layer);
    fnd::RefPtr<CLtype> m_ltype;
    std::uint16_t m_color;
};

class LUM1CORE_API CLtypeMemento : public ITableItemMemento {
public:
    static CLtypeMemento* Create(const CLtype* ltype);
    double GetPatternLen() const { return m_patternLen; }
    const fnd::String& GetDesc() const { return m_desc; }
    const CLtypeComplexDashSeqMemento* GetDashes() const { return m_dashes.get(); }

private:
    explicit CLtypeMemento(const CLtype* ltype);
    double m_patternLen;
    fnd::String m_desc;
    fnd::RefPtr<CLtypeComplexDashSeqMemento> m_dashes;
};

class LUM1CORE_API CStyleMemento : public ITableItemMemento {
public:
    static CStyleMemento* Create(const CStyle* style);
    double fixedHeight, widthScale, oblique, lastHeight;
    const ICADFont* font;

private:
    explicit CStyleMemento(const CStyle* style);
};

class LUM1CORE_API CUcsMemento : public ITableItemMemento {
public:
    static CUcsMemento* Create(const CUcs* ucs);
    const fnd::geom::CRightRefSys& GetRefSys() const { return m_refSys; }

private:
    explicit CUcsMemento(const CUcs* ucs);
    fnd::geom::CRightRefSys m_refSys;
};

}  // namespace lum::core
