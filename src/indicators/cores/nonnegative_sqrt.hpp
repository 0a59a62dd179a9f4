#pragma once
// The square root of a value known not to be negative, as the instruction itself: std::sqrt
// keeps a library call beside it for negative arguments (to set errno), and the compiler
// sometimes takes that call on every path, spilling the caller's registers around it. Same
// correctly rounded result.
#include <cmath>

namespace prynox {

inline double nonnegative_sqrt(double x) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    asm("sqrtsd %0, %0" : "+x"(x));
    return x;
#else
    return std::sqrt(x);
#endif
}

}  // namespace prynox
