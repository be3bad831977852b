// IEntSite — an owner of entities: the model-space entity table, a block definition, or
// the attribute list of an insert. The site holds its entities in its collection.
#pragma once

#include "lum1core_export.h"

#include "lum/core/EntCollection.h"
#include "lum/core/HandleObject.h"

namespace fnd {
class IContextEvent;
}

namespace lum::core {

class IBlock;

class LUM1CORE_API IEntSite : public IHandleTable {
public:
    // The block definition this site is, or null (model space, inserts).
    virtual IBlock* GetBlockInserted() const { return nullptr; }
    // The drawing's notification context, or null.
    virtual fnd::IContextEvent* GetContextEvent() const = 0;

    bool IsBlock() const { return GetBlockInserted() != nullptr; }
    const CEntCollection& GetEntCollection() const { return m_ents; }

protected:
    CEntVectorCollection m_ents;
};

}  // namespace lum::core
