// CEnt — the base of every entity: extrusion, thickness, site, layer, linetype, colour and
// the host's free values. An entity is free after creation and inserted while a site holds
// it. It always holds a reference on its layer and linetype (so a free entity never points
// at a destroyed item); while inserted it also counts itself on them (AddEntity).
// The entity kinds, their change protocol, factories and visitors build on this class.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "fnd/geom/Point.h"
#include "lum/core/HandleObject.h"

#include <cstdint>

namespace fnd {
class IContextEvent;
}

namespace lum::core {

class CLayer;
class CLtype;
class CStyle;
class IEntSite;

class LUM1CORE_API CEnt : public IHandleObject {
public:
    ~CEnt() override;

    // Kind code: 1 point ... 13 ellipse.
    virtual std::uint16_t GetType() const = 0;
    // The entity to name in change notifications (an attribute names its insert).
    virtual CEnt* GetModifiedEnt() { return this; }

    IHandleTable* GetHandleTable() const override;
    // Takes a handle from the site's manager, records the site and counts itself on its
    // layer and linetype. The site must be an IEntSite.
    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;

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

    void SetUserType(int v) { m_userType = v; }
    void SetUserData(int v) { m_userData = v; }
    void SetUserInfo(int type, int data) { m_userType = type; m_userData = data; }
    void Select(bool on) { m_state = on ? (m_state | 1u) : (m_state & ~1u); }

protected:
    CEnt(CLayer* layer, CLtype* ltype, std::uint16_t color, std::uint32_t handle);
    // Copies every field of src but the handle (0), the site (none) and the selected bit.
    explicit CEnt(const CEnt& src);

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
