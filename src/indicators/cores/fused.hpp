#pragma once
// a * b + c with one rounding. Builds for generic x86-64 cannot emit the FMA instruction, so
// std::fma becomes a library call on the EMA's critical path; where the CPU has FMA the
// instruction is issued inline instead. Both give the correctly rounded fused result.
#include <cmath>

namespace prynox {

#if defined(__x86_64__) && !defined(__FMA__) && (defined(__GNUC__) || defined(__clang__))
inline const bool kCpuHasFma = (__builtin_cpu_init(), __builtin_cpu_supports("fma"));

inline double fused_multiply_add(double a, double b, double c) {
    if (kCpuHasFma) [[likely]] {
        asm("vfmadd231sd %2, %1, %0" : "+x"(c) : "x"(a), "x"(b));
        return c;
    }
    return std::fma(a, b, c);
}
#else
inline double fused_multiply_add(double a, double b, double c) { return std::fma(a, b, c); }
#endif

}  // namespace prynox
