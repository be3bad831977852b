// CEntTable — the model-space entity site of a drawing.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefCounter.h"
#include "lum/core/EntSite.h"

namespace lum::core {

class LUM1CORE_API CEntTable : public IEntSite, public fnd::IRefCounter {
public:
    static CEntTable* Create(IDrawing* drawing);
    ~CEntTable() override;
    fnd::String ToString() const override { return "CEntTable"; }

    IHandleGestor* GetHandleGestor() const override;
    IDrawing* GetDrawing() const override { return m_drawing; }
    fnd::IContextEvent* GetContextEvent() const override;

    // Inserts the entities in order and raises CreatedEnts once. Entities that are null,
    // already in a site or repeated are skipped. When a handle is refused, the entities
    // inserted by this call are taken out again and the exception passes on.
    void Add(const CEntCollection& ents);
    void Add(CEnt* ent);
    // Removes the entities of this site and raises ErasedEnts once with them; others are
    // skipped (never released twice).
    void Remove(const CEntCollection& ents);
    void Remove(CEnt* ent);
    // Lets every entity go, without notification.
    void RemoveAll();
    unsigned GetNoEnts() const { return m_ents.GetNoEnts(); }
    void DetachDrawing() { m_drawing = nullptr; }

private:
    explicit CEntTable(IDrawing* drawing) : m_drawing(drawing) {}
    IDrawing* m_drawing;
};

}  // namespace lum::core
