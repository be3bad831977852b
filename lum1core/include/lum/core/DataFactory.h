// CDataFactory — makes drawing databases. A host may derive from it to substitute the
// handle manager or any factory.
#pragma once

#include "lum1core_export.h"

#include "fnd/String.h"

namespace lum::core {

class CData;
class IHandleGestor;
class CLtypeFactory;
class CLayerFactory;
class CStyleFactory;
class CUcsFactory;
class CBlockFactory;
class CEntFactory;

class LUM1CORE_API CDataFactory {
public:
    CDataFactory() = default;
    virtual ~CDataFactory() = default;
    void SetHandling(bool on) { m_handling = on; }
    bool GetHandling() const { return m_handling; }

    // A new drawing database (one reference, owned by the caller).
    CData* CreateData(const fnd::String& name) const;

protected:
    virtual IHandleGestor* DoCreateHandleGestor() const;
    virtual CLtypeFactory* DoCreateLtypeFactory() const;
    virtual CLayerFactory* DoCreateLayerFactory() const;
    virtual CStyleFactory* DoCreateStyleFactory() const;
    virtual CUcsFactory* DoCreateUcsFactory() const;
    virtual CBlockFactory* DoCreateBlockFactory() const;
    virtual CEntFactory* DoCreateEntFactory() const;

private:
    bool m_handling = true;
};

}  // namespace lum::core
