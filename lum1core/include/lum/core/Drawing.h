// IDrawing — one drawing: its name, notification context, handle manager and tables.
// CMainDrawing is the drawing of a database itself (not an external reference).
#pragma once

#include "lum1core_export.h"

#include "fnd/ContextEvent.h"
#include "fnd/RefPtr.h"
#include "fnd/String.h"
#include "lum/core/BlockTable.h"
#include "lum/core/EntTable.h"
#include "lum/core/HandleGestor.h"
#include "lum/core/LayerTable.h"
#include "lum/core/LtypeTable.h"
#include "lum/core/StyleTable.h"
#include "lum/core/UcsTable.h"

namespace lum::core {

class CData;

class LUM1CORE_API IDrawing : public fnd::IRefCounter {
public:
    // Empties the tables (entities, blocks, layers, linetypes, styles, coordinate systems),
    // cuts their back-pointers to this drawing and releases them, then the handle manager
    // and the context.
    ~IDrawing() override;
    virtual bool IsXRef() const = 0;

    CData* GetData() const { return m_data; }
    const fnd::String& GetName() const { return m_name; }
    fnd::IContextEvent* GetContextEvent() const { return m_context.get(); }
    IHandleGestor* GetHandleGestor() const { return m_gestor.get(); }
    CLtypeTable* GetLtypeTable() const { return m_ltypes.get(); }
    CLayerTable* GetLayerTable() const { return m_layers.get(); }
    CStyleTable* GetStyleTable() const { return m_styles.get(); }
    CUcsTable* GetUcsTable() const { return m_ucss.get(); }
    CBlockTable* GetBlockTable() const { return m_blocks.get(); }
    CEntTable* GetEntTable() const { return m_ents.get(); }
    // Called by the data when it goes away before the drawing does.
    void DetachData() { m_data = nullptr; }

protected:
    // Takes the data's context and the handle manager, then creates the tables: UCS,
    // style (with STANDARD), linetype, layer, block, entity.
    IDrawing(CData* data, const fnd::String& name, IHandleGestor* gestor);

private:
    CData* m_data;
    fnd::String m_name;
    fnd::RefPtr<fnd::IContextEvent> m_context;
    fnd::RefPtr<IHandleGestor> m_gestor;
    fnd::RefPtr<CLtypeTable> m_ltypes;
    fnd::RefPtr<CLayerTable> m_layers;
    fnd::RefPtr<CStyleTable> m_styles;
    fnd::RefPtr<CUcsTable> m_ucss;
    fnd::RefPtr<CBlockTable> m_blocks;
    fnd::RefPtr<CEntTable> m_ents;
};

class LUM1CORE_API CMainDrawing : public IDrawing {
public:
    static CMainDrawing* Create(CData* data, const fnd::String& name, IHandleGestor* gestor);
    bool IsXRef() const override { return false; }
    fnd::String ToString() const override { return "CMainDrawing"; }

private:
    CMainDrawing(CData* data, const fnd::String& name, IHandleGestor* gestor)
        : IDrawing(data, name, gestor) {}
};

}  // namespace lum::core
