// ITableItem — the base of named table items (layers, linetypes, text styles, coordinate
// systems, blocks). Names compare ignoring ASCII case. Every change of the name goes
// through DoSetName, which keeps the holding table's name index right.
#pragma once

#include "lum1core_export.h"

#include "lum/core/HandleObject.h"

#include <cstdint>

namespace fnd {
class IContextEvent;
}

namespace lum::core {

class LUM1CORE_API ITableItem : public IHandleObject {
public:
    static constexpr std::uint32_t kPrivate = 0x8000;

    // Kind code: 1 layer, 2 linetype, 3 text style, 4 block, 5 coordinate system.
    virtual std::uint16_t GetType() const = 0;

    const fnd::String& GetName() const { return m_name; }
    std::uint32_t GetFlags() const { return m_flags; }
    std::uint32_t GetEntities() const { return m_entities; }
    bool IsPrivate() const { return (m_flags & kPrivate) != 0; }
    void SetPrivate(bool on);

    // Counts a user (an inserted entity or another item) and takes a reference; SubEntity
    // reverses it. SubEntity without a matching AddEntity is ignored.
    void AddEntity();
    void SubEntity();

    IHandleTable* GetHandleTable() const override { return m_table; }
    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;

    IDrawing* GetDrawing() const;
    fnd::IContextEvent* GetContextEvent() const;
    // True when the item is in a table of an external-reference drawing.
    virtual bool IsXRef() const;
    // "drawing|name" for an external reference, otherwise the name.
    const fnd::String& GetFullName() const;

    // Renames the item with one change notification when it is in a table. Other items of
    // the table are not checked.
    void SetName(const fnd::String& name);

protected:
    ITableItem(const fnd::String& name, std::uint32_t flags, std::uint32_t handle);
    // Names equal ignoring case and flags equal.
    bool Equals(const ITableItem* other) const;
    // Assigns the name (no notification) and tells the table.
    void DoSetName(const fnd::String& name);
    void DoSetFlags(std::uint32_t flags) { m_flags = flags; }

private:
    fnd::String m_name;
    mutable fnd::String m_fullName;
    IHandleTable* m_table = nullptr;
    std::uint32_t m_flags;
    std::uint32_t m_entities = 0;
};

// A scoped change of one table item. When the item is in a table, construction opens a
// modification bracket and raises TableItemChanging; destruction raises
// TableItemDrawInfoChanged (when marked and the item is in use) or TableItemDescInfoChanged
// and closes the bracket, also when the change ends with an exception.
class LUM1CORE_API CModifyingTableItem {
public:
    explicit CModifyingTableItem(ITableItem* item);
    CModifyingTableItem(const CModifyingTableItem&) = delete;
    CModifyingTableItem& operator=(const CModifyingTableItem&) = delete;
    ~CModifyingTableItem();
    // Marks the change as affecting the drawing, when the item is in use.
    void DrawInfoChanged();

private:
    ITableItem* m_item;
    fnd::IContextEvent* m_context = nullptr;
    bool m_draw = false;
};

}  // namespace lum::core
