#include "lum/core/HandleGestor.h"

#include "lum/core/CoreExceptions.h"

#include <new>

namespace lum::core {

CHandleGestorFoo* CHandleGestorFoo::Create()
{
    try {
        return new CHandleGestorFoo;
    } catch (const std::bad_alloc&) {
        throw fnd::CExhaustedMemoryException();
    }
}

std::uint32_t CHandleGestorFoo::GetHandle(std::uint32_t)
{
    ++m_live;
    return 0;
}

void CHandleGestorFoo::FreeHandle(std::uint32_t)
{
    if (m_live > 0)
        --m_live;
}

CHandleGestorActive* CHandleGestorActive::Create()
{
    try {
        return new CHandleGestorActive;
    } catch (const std::bad_alloc&) {
        throw fnd::CExhaustedMemoryException();
    }
}

std::uint32_t CHandleGestorActive::GetHandle(std::uint32_t requested)
{
    if (requested != 0) {
        if (m_live.count(requested))
            throw CHandleAlreadyUsedException();
        m_live.insert(requested);
        if (requested >= m_seed) {
            m_seed = requested + 1;
            if (m_seed == 0)
                m_exhausted = true;
        }
        return requested;
    }
    // Every live handle at or above the seed is passed at most once: the walk ends.
    while (!m_exhausted && m_live.count(m_seed)) {
        if (++m_seed == 0)
            m_exhausted = true;
    }
    if (m_exhausted)
        throw CHandleExaustedException();
    const std::uint32_t h = m_seed;
    m_live.insert(h);
    if (++m_seed == 0)
        m_exhausted = true;
    return h;
}

void CHandleGestorActive::FreeHandle(std::uint32_t handle) { m_live.erase(handle); }

}  // namespace lum::core
