// CEntInsertStack — the state of a walk into nested inserts: the inserts from the outermost
// in, the layer in force (an insert on layer "0" keeps the outer one) and whether the
// combined scale is isotropic, with that scale.
#pragma once

#include "lum1core_export.h"

#include <vector>

namespace lum::core {

class CEntInsert;
class CLayer;

class LUM1CORE_API CEntInsertStackState {
public:
    CEntInsertStackState() { m_inserts.reserve(10); }
    unsigned GetNoInsert() const { return static_cast<unsigned>(m_inserts.size()); }
    const CEntInsert* GetInsert(unsigned i) const { return i < m_inserts.size() ? m_inserts[i] : nullptr; }
    const CEntInsert* GetBaseInsert() const { return m_inserts.empty() ? nullptr : m_inserts.front(); }
    const CEntInsert* GetTopMostInsert() const { return m_inserts.empty() ? nullptr : m_inserts.back(); }
    const CLayer* GetCurLayer() const { return m_layer; }
    bool IsIsotropic() const { return m_isotropic; }
    double GetIsoScale() const { return m_scale; }

protected:
    std::vector<const CEntInsert*> m_inserts;
    const CLayer* m_layer = nullptr;
    bool m_isotropic = true;
    double m_scale = 1.0;
};

class LUM1CORE_API CEntInsertStack : public CEntInsertStackState {
public:
    void Push(const CEntInsert* insert, int = 0, int = 0);
    void Pop();
    const CEntInsertStackState& GetState() const { return *this; }

private:
    struct Saved {
        double scale;
        const CLayer* layer;
        bool isotropic;
    };
    std::vector<Saved> m_history;
};

}  // namespace lum::core
