// The virtual-table slot of a member function, read from its pointer-to-member representation under the
// Itanium C++ ABI that g++ and mingw-w64 use (the pointer holds 1 + the slot's byte offset).
#pragma once

#include <cstdint>
#include <cstring>

template <typename MemberFunction> long VtableSlot(MemberFunction f) {
    static_assert(sizeof(MemberFunction) == 2 * sizeof(void*));
    uintptr_t raw[2];
    std::memcpy(raw, &f, sizeof raw);
    if ((raw[0] & 1) == 0) {
        return -1; // not virtual
    }
    return static_cast<long>((raw[0] - 1) / sizeof(void*));
}
