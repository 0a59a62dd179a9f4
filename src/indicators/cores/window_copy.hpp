#pragma once
// A contiguous copy of a rolling window, oldest first, into a reused buffer. The buffer is sized
// once (to the window's length when first asked) and never shrinks, so repeated copies of a full
// window do not allocate.
#include <new>
#include <span>
#include <stdexcept>
#include <vector>

#include "indicators/cores/rolling_window.hpp"

namespace prynox {

// The copy, or an empty span when the buffer could not grow.
inline std::span<const double> copy_window(const RollingWindow<double>& window, std::vector<double>& buffer) {
    if (buffer.size() < window.size()) {
        try {
            buffer.resize(window.size());
        } catch (const std::bad_alloc&) {
            return {};
        } catch (const std::length_error&) {
            return {};
        }
    }
    std::size_t i = 0;
    window.for_each([&](double v) { buffer[i++] = v; });
    return std::span<const double>(buffer.data(), window.size());
}

}  // namespace prynox
