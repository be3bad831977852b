// CObjectFactory — holds the six factories of a drawing database.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "lum/core/BlockFactory.h"
#include "lum/core/EntFactory.h"
#include "lum/core/TableItemFactories.h"

namespace lum::core {

class LUM1CORE_API CObjectFactory : public fnd::IRefCounter {
public:
    CLtypeFactory* GetLtypeFactory() const { return m_ltype.get(); }
    CLayerFactory* GetLayerFactory() const { return m_layer.get(); }
    CStyleFactory* GetStyleFactory() const { return m_style.get(); }
    CUcsFactory* GetUcsFactory() const { return m_ucs.get(); }
    CBlockFactory* GetBlockFactory() const { return m_block.get(); }
    CEntFactory* GetEntFactory() const { return m_ent.get(); }

protected:
    // Takes a reference on each factory.
    CObjectFactory(CLtypeFactory* ltype, CLayerFactory* layer, CStyleFactory* style,
                   CUcsFactory* ucs, CBlockFactory* block, CEntFactory* ent)
        : m_ltype(ltype), m_layer(layer), m_style(style), m_ucs(ucs), m_block(block), m_ent(ent) {}

private:
    fnd::RefPtr<CLtypeFactory> m_ltype;
    fnd::RefPtr<CLayerFactory> m_layer;
    fnd::RefPtr<CStyleFactory> m_style;
    fnd::RefPtr<CUcsFactory> m_ucs;
    fnd::RefPtr<CBlockFactory> m_block;
    fnd::RefPtr<CEntFactory> m_ent;
};

}  // namespace lum::core
