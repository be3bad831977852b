// fnd::RefPtr — RAII holder of one reference on an IRefCounter object.
// RefPtr(p) takes a new reference; RefPtr::Adopt(p) takes over the creator's reference
// that every Create returns.
#pragma once

#include <utility>

namespace fnd {

template <class T>
class RefPtr {
public:
    RefPtr() = default;
    explicit RefPtr(T* p) : m_p(p) { if (m_p) m_p->AddReference(); }
    static RefPtr Adopt(T* p) { RefPtr r; r.m_p = p; return r; }

    RefPtr(const RefPtr& o) : RefPtr(o.m_p) {}
    RefPtr(RefPtr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    template <class U>
    RefPtr(const RefPtr<U>& o) : RefPtr(o.get()) {}
    RefPtr& operator=(const RefPtr& o) { reset(o.m_p); return *this; }
    RefPtr& operator=(RefPtr&& o) noexcept
    {
        if (this != &o) {
            T* old = std::exchange(m_p, std::exchange(o.m_p, nullptr));
            if (old) old->SubReference();
        }
        return *this;
    }
    ~RefPtr() { if (m_p) m_p->SubReference(); }

    // Holds p (taking a reference) and releases the previous object, in this order, so
    // resetting to the object already held is safe.
    void reset(T* p = nullptr)
    {
        if (p) p->AddReference();
        T* old = std::exchange(m_p, p);
        if (old) old->SubReference();
    }
    // Gives up the reference without releasing it.
    T* release() { return std::exchange(m_p, nullptr); }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    bool operator==(const RefPtr& o) const { return m_p == o.m_p; }

private:
    T* m_p = nullptr;
};

}  // namespace fnd
