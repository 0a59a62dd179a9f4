#pragma once
// Two doubles side by side, and a * b + c on both with one rounding each: lane for lane the
// result of fused_multiply_add, in one instruction where the CPU has FMA. For pairs of running
// values that always move together (an average gain and an average loss), so both steps share
// one load, one multiply-add and one store.
#include <cmath>

#include "indicators/cores/fused.hpp"

namespace prynox {

using DoublePair = double __attribute__((vector_size(16)));

inline DoublePair fused_multiply_add_pair(DoublePair a, DoublePair b, DoublePair c) {
#if defined(__x86_64__) && !defined(__FMA__) && (defined(__GNUC__) || defined(__clang__))
    if (kCpuHasFma) [[likely]] {
        asm("vfmadd231pd %2, %1, %0" : "+x"(c) : "x"(a), "x"(b));
        return c;
    }
#endif
    return DoublePair{std::fma(a[0], b[0], c[0]), std::fma(a[1], b[1], c[1])};
}

// Lane for lane: v where v > 0, else +0.0 (so -0.0 and NaN give +0.0).
inline DoublePair positive_part(DoublePair v) {
    const DoublePair zero{0.0, 0.0};
    return v > zero ? v : zero;
}

}  // namespace prynox
