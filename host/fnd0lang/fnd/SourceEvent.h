// Notification kinds and their per-context sources.
// A kind (ISourceEventType) is registered once in a library's registry, which gives it an
// index and a mask; each context then owns one source (ISourceEvent) per registered kind,
// through which the library notifies the context's targets.
#pragma once

#include <array>

namespace fnd {

class IContextEvent;
class ISourceEvent;

class ISourceEventType {
public:
    ISourceEventType() = default;
    ISourceEventType(const ISourceEventType&) = delete;
    ISourceEventType& operator=(const ISourceEventType&) = delete;
    virtual ~ISourceEventType() = default;

    // The kind's source for one context, owned by the context; null when it cannot be made.
    virtual ISourceEvent* CreateSourceEvent(IContextEvent* context) const = 0;

    int GetIndex() const { return m_index; }          // -1 until registered
    unsigned GetMask() const { return m_mask; }       // 1 << index, 0 until registered
    bool IsRegistered() const { return m_index >= 0; }

private:
    friend class CSourceEventTypeRegistry;
    int m_index = -1;
    unsigned m_mask = 0;
};

class ISourceEvent {
public:
    ISourceEvent(IContextEvent* context, const ISourceEventType* type);
    ISourceEvent(const ISourceEvent&) = delete;
    ISourceEvent& operator=(const ISourceEvent&) = delete;
    virtual ~ISourceEvent() = default;

    // Called when the context's outermost bracket closes; kinds extend it to clear counters.
    virtual void ClearSourceEventInfo() { m_fired = false; }

    // Delivers (index, code, data) to every target of the context, unless muted.
    void Notify(unsigned code, void* data);

    IContextEvent* GetContextEvent() const { return m_context; }
    const ISourceEventType* GetType() const { return m_type; }
    int GetIndex() const { return m_index; }
    unsigned GetMask() const { return m_mask; }
    bool IsMuted() const { return m_muted; }
    void SetMuted(bool muted) { m_muted = muted; }
    bool HasFired() const { return m_fired; }

private:
    IContextEvent* m_context;
    const ISourceEventType* m_type;
    int m_index;
    unsigned m_mask;
    bool m_muted = false;
    bool m_fired = false;
};

// The registry of notification kinds of one library: 20 slots, filled in order.
class CSourceEventTypeRegistry {
public:
    static constexpr int kSlots = 20;
    // Puts the kind in the first empty slot and gives it that index. A kind already
    // registered keeps its index; with every slot taken nothing happens. Returns the index or -1.
    int Register(ISourceEventType* type);
    ISourceEventType* Get(int index) const;
    int GetNoTypes() const;

private:
    std::array<ISourceEventType*, kSlots> m_slots{};
};

}  // namespace fnd
