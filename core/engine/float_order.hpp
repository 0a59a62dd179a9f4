#pragma once
// Minimum and maximum that pass over a NaN operand (the other operand wins), so that one bad
// value cannot replace a good running extreme.
namespace prynox {

inline double min_num(double a, double b) {
    if (a != a) return b;
    if (b != b) return a;
    return b < a ? b : a;
}

inline double max_num(double a, double b) {
    if (a != a) return b;
    if (b != b) return a;
    return b > a ? b : a;
}

}  // namespace prynox
