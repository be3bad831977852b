// fnd::IRefCounter — intrusive reference counting of the drawing core's objects.
// A new object starts with one reference, the creator's, so the object may hand out
// `this` (and have it taken and released) during its own construction without being
// deleted. SubReference deletes the object when the count reaches zero.
#pragma once

#include "fnd/String.h"

namespace fnd {

class IRefCounter {
public:
    IRefCounter();
    // A copy is a new object with its own count.
    IRefCounter(const IRefCounter&);
    IRefCounter& operator=(const IRefCounter&) { return *this; }
    virtual ~IRefCounter();

    void AddReference() const { ++m_refs; }
    void SubReference() const;
    unsigned GetReferences() const { return m_refs; }

    virtual void AssertValid() const {}
    virtual String ToString() const = 0;

    // Number of reference-counted objects alive in the process (leak checks in tests).
    static long GetLiveObjects();

private:
    mutable unsigned m_refs = 1;
};

}  // namespace fnd
