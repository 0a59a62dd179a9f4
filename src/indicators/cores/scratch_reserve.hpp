#pragma once
// Room for n values in a reused scratch list, taken once (when a window first fills) so that
// later fills of the list never allocate; false, with the list unchanged, when it cannot grow.
#include <cstddef>
#include <new>
#include <stdexcept>
#include <vector>

namespace prynox {

inline bool reserve_scratch(std::vector<double>& scratch, std::size_t n) {
    if (scratch.capacity() >= n) [[likely]]
        return true;
    try {
        scratch.reserve(n);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

}  // namespace prynox
