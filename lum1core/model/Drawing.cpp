#include "lum/core/Drawing.h"

#include "NewObject.h"
#include "lum/core/Data.h"

namespace lum::core {

IDrawing::IDrawing(CData* data, const fnd::String& name, IHandleGestor* gestor)
    : m_data(data), m_name(name), m_context(data ? data->GetContextEvent() : nullptr), m_gestor(gestor)
{
    m_ucss = fnd::RefPtr<CUcsTable>::Adopt(CUcsTable::Create(this));
    m_styles = fnd::RefPtr<CStyleTable>::Adopt(CStyleTable::Create(this));
    m_ltypes = fnd::RefPtr<CLtypeTable>::Adopt(CLtypeTable::Create(
        this, data ? data->GetLtypeContinuous() : nullptr, data ? data->GetLtypeByLayer() : nullptr,
        data ? data->GetLtypeByBlock() : nullptr));
    m_layers = fnd::RefPtr<CLayerTable>::Adopt(CLayerTable::Create(this, data ? data->GetLayer0() : nullptr));
    m_blocks = fnd::RefPtr<CBlockTable>::Adopt(CBlockTable::Create(this));
    m_ents = fnd::RefPtr<CEntTable>::Adopt(CEntTable::Create(this));
}

namespace {
// Empties a table while the drawing is still whole, then cuts its back-pointer, so a table
// that someone still holds never reaches the destroyed drawing.
template <class T>
void Release(fnd::RefPtr<T>& table)
{
    if (!table)
        return;
    table->RemoveAll();
    table->DetachDrawing();
    table.reset();
}
}  // namespace

IDrawing::~IDrawing()
{
    Release(m_ents);
    Release(m_blocks);
    Release(m_layers);
    Release(m_ltypes);
    Release(m_styles);
    Release(m_ucss);
    m_gestor.reset();
    m_context.reset();
}

CMainDrawing* CMainDrawing::Create(CData* data, const fnd::String& name, IHandleGestor* gestor)
{
    return detail::NewOrThrow([&] { return new CMainDrawing(data, name, gestor); });
}

}  // namespace lum::core
