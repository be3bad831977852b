// Undo snapshots: IMemento (a reference-counted snapshot) and IMementable (an object that
// takes snapshots of itself, compares itself with them and returns to them).
#pragma once

#include "fnd/RefCounter.h"

namespace fnd {

class IMemento : public IRefCounter {
};

class IMementable {
public:
    virtual ~IMementable() = default;
    // A new snapshot of the current state, one reference owned by the caller.
    virtual IMemento* CreateMemento() const = 0;
    // True when the current state differs from the snapshot.
    virtual bool HasChanged(const IMemento* memento) const = 0;
    // Returns the object to the snapshot, which must come from an object of the same kind.
    void SetMemento(IMemento* memento) { if (memento) OnSetMemento(memento); }

protected:
    virtual void OnSetMemento(IMemento* memento) = 0;
};

}  // namespace fnd
