#include "lum/core/DataFactory.h"

#include "lum/core/ContextEventLuma.h"
#include "lum/core/Data.h"

#include "fnd/Exceptions.h"

namespace lum::core {

CData* CDataFactory::CreateData(const fnd::String& name) const
{
    auto context = fnd::RefPtr<fnd::IContextEvent>::Adopt(CreateLUMAContextEvent());
    if (!context)
        throw fnd::CExhaustedMemoryException();
    auto gestor = fnd::RefPtr<IHandleGestor>::Adopt(DoCreateHandleGestor());
    auto ltype = fnd::RefPtr<CLtypeFactory>::Adopt(DoCreateLtypeFactory());
    auto layer = fnd::RefPtr<CLayerFactory>::Adopt(DoCreateLayerFactory());
    auto style = fnd::RefPtr<CStyleFactory>::Adopt(DoCreateStyleFactory());
    auto ucs = fnd::RefPtr<CUcsFactory>::Adopt(DoCreateUcsFactory());
    auto block = fnd::RefPtr<CBlockFactory>::Adopt(DoCreateBlockFactory());
    auto ent = fnd::RefPtr<CEntFactory>::Adopt(DoCreateEntFactory());
    return CData::Create(name, context.get(), gestor.get(), ltype.get(), layer.get(), style.get(),
                         ucs.get(), block.get(), ent.get());
}

IHandleGestor* CDataFactory::DoCreateHandleGestor() const { return CHandleGestorFoo::Create(); }
CLtypeFactory* CDataFactory::DoCreateLtypeFactory() const { return CLtypeFactory::Create(); }
CLayerFactory* CDataFactory::DoCreateLayerFactory() const { return CLayerFactory::Create(); }
CStyleFactory* CDataFactory::DoCreateStyleFactory() const { return CStyleFactory::Create(); }
CUcsFactory* CDataFactory::DoCreateUcsFactory() const { return CUcsFactory::Create(); }
CBlockFactory* CDataFactory::DoCreateBlockFactory() const { return CBlockFactory::Create(); }
CEntFactory* CDataFactory::DoCreateEntFactory() const { return CEntFactory::Create(); }

}  // namespace lum::core
