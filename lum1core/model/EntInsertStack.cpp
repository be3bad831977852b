#include "lum/core/EntInsertStack.h"

#include "lum/core/EntInsert.h"
#include "lum/core/Layer.h"

namespace lum::core {

void CEntInsertStack::Push(const CEntInsert* insert, int, int)
{
    if (!insert)
        return;
    m_history.push_back({m_scale, m_layer, m_isotropic});
    const bool iso = insert->IsIsotropic();
    if (m_inserts.empty()) {
        m_isotropic = iso;
        if (iso)
            m_scale = insert->GetXScale();
        m_layer = insert->GetLayer();
    } else {
        if (!insert->GetLayer() || !insert->GetLayer()->Is0())
            m_layer = insert->GetLayer();
        if (m_isotropic) {
            m_isotropic = iso;
            if (iso)
                m_scale *= insert->GetZScale();
        }
    }
    m_inserts.push_back(insert);
}

void CEntInsertStack::Pop()
{
    if (m_inserts.empty())
        return;
    m_inserts.pop_back();
    const Saved s = m_history.back();
    m_history.pop_back();
    m_scale = s.scale;
    m_layer = s.layer;
    m_isotropic = s.isotropic;
}

}  // namespace lum::core
