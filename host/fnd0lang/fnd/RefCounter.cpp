#include "fnd/RefCounter.h"

#include <atomic>

namespace fnd {

namespace {
std::atomic<long> g_live{0};
}

IRefCounter::IRefCounter() { ++g_live; }
IRefCounter::IRefCounter(const IRefCounter&) { ++g_live; }
IRefCounter::~IRefCounter() { --g_live; }

void IRefCounter::SubReference() const
{
    if (m_refs == 0)
        return;  // already being destroyed: never a second delete
    if (--m_refs == 0)
        delete this;
}

long IRefCounter::GetLiveObjects() { return g_live.load(); }

}  // namespace fnd
