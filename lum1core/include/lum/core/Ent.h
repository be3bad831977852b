// CEnt — the base of every entity: extrusion, thickness, site, layer, linetype, colour and
// the host's free values. An entity is free after creation and inserted while a site holds
// it. It always holds a reference on its layer and linetype (so a free entity never points
// at a destroyed item); while inserted it also counts itself on them (AddEntity).
// Every notifying setter runs under the change protocol of CModifyingEnt.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "fnd/geom/Point.h"
#include "lum/core/HandleObject.h"
#include "lum/core/Layer.h"
#include "lum/core/Ltype.h"
#include "lum/core/Style.h"

#include <cstdint>

namespace fnd {
class IContextEvent;
}

namespace lum::core {

class CData;
class CEntInsert;
class CLayer;
class CLtype;
class CStyle;
class IConstEntVisitor;
class IEntSite;
class IEntVisitor;

// What every entity snapshot holds: extrusion, thickness, layer, linetype and colour. The
// snapshot keeps its layer and linetype alive, so it can be restored after they left their
// tables.
class LUM1CORE_API IEntMemento : public fnd::IMemento {
public:
    fnd::String ToString() const override { return "IEntMemento"; }
    fnd::geom::VECTOR_3D extrusion;
    double thickness = 0.0;
    fnd::RefPtr<CLayer> layer;
    fnd::RefPtr<CLtype> ltype;
    std::uint16_t color = 0;
    // The kind code of the entity that took it; restoring checks it.
    std::uint16_t kind = 0;
};

class LUM1CORE_API CEnt : public IHandleObject {
public:
    ~CEnt() override;

    // Kind code: 1 point ... 13 ellipse.
    virtual std::uint16_t GetType() const = 0;
    // The entity to name in change notifications (an attribute names its insert).
    virtual CEnt* GetModifiedEnt() { return this; }
    // Checks that the thickness is a valid number.
    void AssertValid() const override;

    IHandleTable* GetHandleTable() const override;
    // Takes a handle from the site's manager, records the site and counts itself on its
    // layer and linetype. The site must be an IEntSite.
    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;

    // Text kinds answer their style; others none.
    virtual CStyle* GetStyle() const { return nullptr; }
    virtual void SetStyle(CStyle* /*style*/) {}
    // An insert (and a hatch) answers itself.
    virtual CEntInsert* GetEntInsert() { return nullptr; }
    virtual const CEntInsert* GetEntInsert() const { return nullptr; }
    // A free copy; data matters only for hatches and inserts. One reference for the caller.
    virtual CEnt* Clone(CData* data) const = 0;
    virtual void Accept(IConstEntVisitor& v) const = 0;
    virtual void Accept(IEntVisitor& v) = 0;

    IEntSite* GetEntSite() const { return m_site; }
    fnd::IContextEvent* GetContextEvent() const;
    CLayer* GetLayer() const { return m_layer.get(); }
    CLtype* GetLtype() const { return m_ltype.get(); }
    std::uint16_t GetColor() const { return m_color; }
    double GetThickness() const { return m_thickness; }
    const fnd::geom::VECTOR_3D& GetExtrusion() const { return m_extrusion; }
    bool HasECS() const { return m_extrusion.z < 1.0; }
    int GetUserType() const { return m_userType; }
    int GetUserData() const { return m_userData; }
    bool IsSelected() const { return (m_state & 1u) != 0; }

    // Notifying setters.
    void SetColor(std::uint16_t color);
    // Stores v divided by its length; a zero vector is ignored.
    void SetExtrusion(const fnd::geom::VECTOR_3D& v);
    void SetThickness(double thickness);
    // Moves the entity count from the old item to the new one while inserted.
    void SetLayer(CLayer* layer);
    void SetLtype(CLtype* ltype);

    void SetUserType(int v) { m_userType = v; }
    void SetUserData(int v) { m_userData = v; }
    void SetUserInfo(int type, int data) { m_userType = type; m_userData = data; }
    void Select(bool on) { m_state = on ? (m_state | 1u) : (m_state & ~1u); }

protected:
    CEnt(CLayer* layer, CLtype* ltype, std::uint16_t color, std::uint32_t handle);
    // Copies every field of src but the handle (0), the site (none) and the selected bit.
    explicit CEnt(const CEnt& src);

    // Snapshot helpers of the base fields.
    void FillMemento(IEntMemento& m) const;
    // The snapshot as kind M when it was taken by an entity of this kind, otherwise null.
    template <class M>
    const M* OwnMemento(const fnd::IMemento* m) const
    {
        const auto* own = dynamic_cast<const M*>(m);
        return own && own->kind == GetType() ? own : nullptr;
    }
    bool BaseChanged(const IEntMemento& m) const;
    // Assigns the base fields, moving the counts when inserted. No notification.
    void RestoreBase(const IEntMemento& m);
    // Moves one count (and the reference) from old to new while inserted; null-safe.
    void MoveCount(ITableItem* oldItem, ITableItem* newItem) const;

    fnd::geom::VECTOR_3D m_extrusion{0.0, 0.0, 1.0};
    double m_thickness = 0.0;
    IEntSite* m_site = nullptr;
    fnd::RefPtr<CLayer> m_layer;
    fnd::RefPtr<CLtype> m_ltype;
    int m_userType = 0;
    int m_userData = 0;
    std::uint16_t m_color;
    std::uint32_t m_state = 0;
};

}  // namespace lum::core
