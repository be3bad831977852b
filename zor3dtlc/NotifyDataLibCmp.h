// CNotifyDataLibCmp: the payload the host sends with notifications about a
// field book (three numbers whose meaning is the host's).
#pragma once

#include "zor3dtlc_export.h"

#include <zor0ntfy.h>

class ZOR3DTLC_API CNotifyDataLibCmp : public ZORNotifyObject::CNotifyData {
public:
    CNotifyDataLibCmp(int v0, int v1, int v2) : Val{v0, v1, v2} {}
    CNotifyDataLibCmp(const CNotifyDataLibCmp&) = default;
    CNotifyDataLibCmp& operator=(const CNotifyDataLibCmp&) = default;
    ~CNotifyDataLibCmp() override = default;

    int GetVal(int i) const { return (i >= 0 && i < 3) ? Val[i] : 0; }

private:
    int Val[3];
};
