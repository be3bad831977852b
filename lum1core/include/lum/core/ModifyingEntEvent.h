// Notifications of entity changes: created (1), erased (2), modifying (3), modified (4).
// Every free function accepts a null context, or a context made before initCore, and then
// does nothing (or answers false / null).
#pragma once

#include "lum1core_export.h"

#include "fnd/ContextEvent.h"
#include "lum/core/EntCollection.h"

#include <cstdint>

namespace lum::core {

class CEnt;

// The data of codes 1 and 2: a copy of the entities concerned.
class LUM1CORE_API CEntVectorMessageEvent : public fnd::IRefCounter {
public:
    explicit CEntVectorMessageEvent(const CEntCollection& ents);
    fnd::String ToString() const override { return "CEntVectorMessageEvent"; }
    const CEntCollection& GetCollection() const { return m_ents; }

private:
    CEntVectorCollection m_ents;
};

class LUM1CORE_API CEntMessageEvent : public fnd::IRefCounter {
public:
    explicit CEntMessageEvent(CEnt* ent) : m_ent(ent) {}
    fnd::String ToString() const override { return "CEntMessageEvent"; }
    CEnt* GetEnt() const { return m_ent; }

private:
    CEnt* m_ent;
};

class LUM1CORE_API CModifyingEntSourceEvent : public fnd::ISourceEvent {
public:
    enum : unsigned { kCreated = 1, kErased = 2, kModifying = 3, kModified = 4 };
    CModifyingEntSourceEvent(fnd::IContextEvent* context, const fnd::ISourceEventType* type)
        : fnd::ISourceEvent(context, type) {}
    void ClearSourceEventInfo() override;

    void CreatedEnts(const CEntCollection& ents);
    void ErasedEnts(const CEntCollection& ents);
    void ModifyingEnt(CEnt* ent);
    void ModifiedEnt(CEnt* ent);
    bool HaveBeenEntsCreated() const { return m_created != 0; }
    bool HaveBeenEntsErased() const { return m_erased != 0; }
    bool HaveBeenEntsModified() const { return m_modified != 0; }

private:
    std::uint32_t m_created = 0, m_erased = 0, m_modified = 0;
};

class LUM1CORE_API CModifyingEntSourceEventType : public fnd::ISourceEventType {
public:
    fnd::ISourceEvent* CreateSourceEvent(fnd::IContextEvent* context) const override;
};

// A typed listener; Dispatch turns (code, data) into the matching call.
class LUM1CORE_API IModifyingEntTargetEvent {
public:
    virtual ~IModifyingEntTargetEvent() = default;
    virtual void OnCreatedEnts(const CEntCollection&) {}
    virtual void OnErasedEnts(const CEntCollection&) {}
    virtual void OnModifyingEnt(CEnt*) {}
    virtual void OnModifiedEnt(CEnt*) {}
    static void Dispatch(unsigned code, void* data, IModifyingEntTargetEvent* target);
};

LUM1CORE_API void CreatedEnts(fnd::IContextEvent* ctx, const CEntCollection& ents);
LUM1CORE_API void ErasedEnts(fnd::IContextEvent* ctx, const CEntCollection& ents);
LUM1CORE_API void ModifyingEnt(fnd::IContextEvent* ctx, CEnt* ent);
LUM1CORE_API void ModifiedEnt(fnd::IContextEvent* ctx, CEnt* ent);
LUM1CORE_API bool HaveBeenEntsCreated(fnd::IContextEvent* ctx);
LUM1CORE_API bool HaveBeenEntsErased(fnd::IContextEvent* ctx);
LUM1CORE_API bool HaveBeenEntsModified(fnd::IContextEvent* ctx);
LUM1CORE_API CModifyingEntSourceEvent* GetModifyingEntSourceEvent(fnd::IContextEvent* ctx);
LUM1CORE_API CModifyingEntSourceEventType* GetModifyingEntSourceEventType();
LUM1CORE_API bool IsModifyingEntSourceEvent(int index);

}  // namespace lum::core
