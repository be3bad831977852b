// CPointerRef: a short list of entity handles.
#include "zor1ptrf.h"

#include <algorithm>

int CPointerRef::GetPtRefAt(int i) const
{
    if (i < 0 || static_cast<size_t>(i) >= refs_.size())
        return 0;
    return refs_[static_cast<size_t>(i)];
}

void CPointerRef::AddPtRef(int handle)
{
    if (handle == 0 || std::find(refs_.begin(), refs_.end(), handle) != refs_.end())
        return;
    refs_.push_back(handle);
}

bool CPointerRef::RemovePtRef(int handle)
{
    const auto it = std::find(refs_.begin(), refs_.end(), handle);
    if (it == refs_.end())
        return false;
    refs_.erase(it);
    return true;
}
