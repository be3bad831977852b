// Little-endian encoding of fixed-width numbers: the one place where the byte
// order of every file layout of the suite is decided.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace le {

template <typename T>
inline void Encode(T value, unsigned char* out)
{
    static_assert(std::is_trivially_copyable_v<T>);
    if constexpr (std::is_floating_point_v<T>) {
        using U = std::conditional_t<sizeof(T) == 8, uint64_t, uint32_t>;
        Encode(std::bit_cast<U>(value), out);
    } else {
        using U = std::make_unsigned_t<T>;
        U u = static_cast<U>(value);
        for (size_t i = 0; i < sizeof(T); ++i) {
            out[i] = static_cast<unsigned char>(u & 0xFFu);
            if constexpr (sizeof(T) > 1)
                u = static_cast<U>(u >> 8);
        }
    }
}

template <typename T>
inline T Decode(const unsigned char* in)
{
    static_assert(std::is_trivially_copyable_v<T>);
    if constexpr (std::is_floating_point_v<T>) {
        using U = std::conditional_t<sizeof(T) == 8, uint64_t, uint32_t>;
        return std::bit_cast<T>(Decode<U>(in));
    } else {
        using U = std::make_unsigned_t<T>;
        U u = 0;
        for (size_t i = sizeof(T); i-- > 0;) {
            if constexpr (sizeof(T) > 1)
                u = static_cast<U>(u << 8);
            u = static_cast<U>(u | in[i]);
        }
        return static_cast<T>(u);
    }
}

}  // namespace le
