// zor1ptrf — CPointerRef: the handles of the drawing entities that show a data object.
#pragma once

#include <vector>

class CPointerRef {
public:
    CPointerRef() = default;
    CPointerRef(const CPointerRef&) = default;
    CPointerRef& operator=(const CPointerRef&) = default;
    virtual ~CPointerRef() = default;

    int GetNoPtRef() const { return static_cast<int>(refs_.size()); }
    int GetPtRefAt(int i) const;       // 0 out of range
    void AddPtRef(int handle);         // 0 (no entity) and handles already held are ignored
    bool RemovePtRef(int handle);      // false when the handle was not held
    void ClearPtRef() { refs_.clear(); }

private:
    std::vector<int> refs_;
};
