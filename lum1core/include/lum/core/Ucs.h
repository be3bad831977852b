// CUcs — a user coordinate system: origin, x axis and y axis. Kind code 5; only the
// private flag is kept.
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/RightRefSys.h"
#include "lum/core/TableItem.h"

namespace lum::core {

class LUM1CORE_API CUcs : public ITableItem {
public:
    static constexpr std::uint32_t kFlagMask = 0x8000;

    // Flags 0; the factory sets the private bit when asked.
    static CUcs* Create(const fnd::String& name, const fnd::geom::PNT_3D& origin,
                        const fnd::geom::VECTOR_3D& xAxis, const fnd::geom::VECTOR_3D& yAxis,
                        std::uint32_t handle = 0);
    static CUcs* Create(const fnd::String& name, const CUcs* src);

    std::uint16_t GetType() const override { return 5; }
    fnd::String ToString() const override { return fnd::String("Ucs - ") + GetName(); }
    const fnd::geom::CRightRefSys& GetRefSys() const { return m_refSys; }
    // Name ignoring case, flags, the nine coordinates exactly.
    bool Equals(const CUcs* o) const;
    // One description change.
    void SetUcs(const fnd::String& name, const fnd::geom::CRightRefSys& refSys);

    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

protected:
    CUcs(const fnd::String& name, const fnd::geom::CRightRefSys& refSys, std::uint32_t flags,
         std::uint32_t handle);
    void OnSetMemento(fnd::IMemento* m) override;

private:
    fnd::geom::CRightRefSys m_refSys;
};

}  // namespace lum::core
