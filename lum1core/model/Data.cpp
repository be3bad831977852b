#include "lum/core/Data.h"

#include "NewObject.h"

namespace lum::core {

CData::CData(const fnd::String& name, fnd::IContextEvent* context, IHandleGestor* gestor,
             CLtypeFactory* ltypeFactory, CLayerFactory* layerFactory, CStyleFactory* styleFactory,
             CUcsFactory* ucsFactory, CBlockFactory* blockFactory, CEntFactory* entFactory)
    : CObjectFactory(ltypeFactory, layerFactory, styleFactory, ucsFactory, blockFactory, entFactory),
      m_context(context)
{
    m_continuous = fnd::RefPtr<CLtypeContinuous>::Adopt(CLtypeContinuous::Create(0));
    m_byLayer = fnd::RefPtr<CLtypeByLayer>::Adopt(CLtypeByLayer::Create(0));
    m_byBlock = fnd::RefPtr<CLtypeByBlock>::Adopt(CLtypeByBlock::Create(0));
    m_layer0 = fnd::RefPtr<CLayer0>::Adopt(CLayer0::Create(m_continuous.get(), 7, 0, 0));
    m_main = fnd::RefPtr<IDrawing>::Adopt(CMainDrawing::Create(this, name, gestor));
    CLtypeTable* ltypes = m_main->GetLtypeTable();
    ltypes->Add(m_continuous.get());
    ltypes->Add(m_byLayer.get());
    ltypes->Add(m_byBlock.get());
    m_main->GetLayerTable()->Add(m_layer0.get());
}

CData* CData::Create(const fnd::String& name, fnd::IContextEvent* context, IHandleGestor* gestor,
                     CLtypeFactory* ltypeFactory, CLayerFactory* layerFactory,
                     CStyleFactory* styleFactory, CUcsFactory* ucsFactory,
                     CBlockFactory* blockFactory, CEntFactory* entFactory)
{
    return detail::NewOrThrow([&] {
        return new CData(name, context, gestor, ltypeFactory, layerFactory, styleFactory,
                         ucsFactory, blockFactory, entFactory);
    });
}

CData::~CData()
{
    if (m_main)
        m_main->DetachData();
    m_main.reset();
    m_layer0.reset();
    m_continuous.reset();
    m_byLayer.reset();
    m_byBlock.reset();
    m_context.reset();
}

}  // namespace lum::core
