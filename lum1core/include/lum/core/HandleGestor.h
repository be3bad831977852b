// Handle managers. IHandleGestor is the interface; CHandleGestorFoo gives every object
// handle 0; CHandleGestorActive hands out real, unique handles.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefCounter.h"

#include <cstdint>
#include <unordered_set>

namespace lum::core {

class LUM1CORE_API IHandleGestor : public fnd::IRefCounter {
public:
    // The handle to use for an object that asks for `requested` (0: any).
    virtual std::uint32_t GetHandle(std::uint32_t requested) = 0;
    virtual void FreeHandle(std::uint32_t handle) = 0;
    // Whether the manager hands out real handles.
    virtual bool IsHandleActive() const = 0;
    // The next handle it would give.
    virtual std::uint32_t GetNextSeed() const = 0;
};

// The default manager: counts live handles and always answers 0.
class LUM1CORE_API CHandleGestorFoo : public IHandleGestor {
public:
    static CHandleGestorFoo* Create();
    fnd::String ToString() const override { return "CHandleGestorFoo"; }
    std::uint32_t GetHandle(std::uint32_t requested) override;
    void FreeHandle(std::uint32_t handle) override;
    bool IsHandleActive() const override { return false; }
    std::uint32_t GetNextSeed() const override { return 0; }
    std::uint32_t GetNoLiveHandles() const { return m_live; }

private:
    CHandleGestorFoo() = default;
    std::uint32_t m_live = 0;
};

// A manager of real handles, 1 upwards. A requested handle is granted when free (else
// CHandleAlreadyUsedException); a request for 0 gets the next free handle after the seed
// (CHandleExaustedException past 0xFFFFFFFF). Live handles are kept in a hash set.
class LUM1CORE_API CHandleGestorActive : public IHandleGestor {
public:
    static CHandleGestorActive* Create();
    fnd::String ToString() const override { return "CHandleGestorActive"; }
    std::uint32_t GetHandle(std::uint32_t requested) override;
    void FreeHandle(std::uint32_t handle) override;
    bool IsHandleActive() const override { return true; }
    std::uint32_t GetNextSeed() const override { return m_seed; }
    bool IsHandleUsed(std::uint32_t handle) const { return m_live.count(handle) != 0; }

private:
    CHandleGestorActive() = default;
    std::unordered_set<std::uint32_t> m_live;
    std::uint32_t m_seed = 1;
    bool m_exhausted = false;
};

}  // namespace lum::core
