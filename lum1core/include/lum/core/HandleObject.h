// IHandleTable and IHandleObject: the holders of handle objects (tables and entity sites)
// and the objects they hold (table items and entities).
#pragma once

#include "lum1core_export.h"

#include "fnd/Memento.h"
#include "fnd/RefCounter.h"

#include <cstdint>

namespace lum::core {

class IDrawing;
class IHandleGestor;
class ITableItem;

// Anything that holds handle objects: a table or an entity site.
class LUM1CORE_API IHandleTable {
public:
    virtual ~IHandleTable() = default;
    // The handle manager of the drawing, or null when the holder belongs to none.
    virtual IHandleGestor* GetHandleGestor() const = 0;
    // The drawing the holder belongs to, or null.
    virtual IDrawing* GetDrawing() const = 0;
    // Told by a member item whose name has just changed from oldName, so that a holder
    // indexing its members by name keeps its index right. Does nothing by default.
    virtual void OnItemRenamed(ITableItem* /*item*/, const fnd::String& /*oldName*/) {}
};

// An object that lives in a table or an entity site and carries a handle.
class LUM1CORE_API IHandleObject : public fnd::IRefCounter, public fnd::IMementable {
public:
    std::uint32_t GetHandle() const { return m_handle; }
    // The table or site holding the object, or null while it is free.
    virtual IHandleTable* GetHandleTable() const = 0;
    // Called by the holder when it takes the object in, and when it lets it go.
    virtual void OnInsertTable(IHandleTable* table) = 0;
    virtual void OnRemoveTable() = 0;

    bool IsInserted() const { return GetHandleTable() != nullptr; }
    IHandleGestor* GetHandleGestor() const;

protected:
    explicit IHandleObject(std::uint32_t handle) : m_handle(handle) {}
    // Asks table's handle manager for a handle (the one held is the request); the handle
    // is stored only when the manager grants it, so a refusal leaves the object unchanged.
    void AcquireHandle(IHandleTable* table);
    // Gives the handle back to table's manager; the handle field keeps its value.
    void ReleaseHandle(IHandleTable* table);

private:
    std::uint32_t m_handle;
};

}  // namespace lum::core
