#pragma once
// The sines and cosines of the whole-cycle fractions 2*pi*k/n for every cycle length n up to
// 50, shared by the cycle-phase computations so that no update evaluates trigonometry. One
// table for the process: built by the first call that needs it, read-only afterwards.
#include <cstddef>
#include <span>

namespace prynox {

struct SinCos {
    double sin;
    double cos;
};

inline constexpr std::size_t kSinCosTableMaxLength = 50;

// The n pairs of cycle length n, k = 0..n-1, each angle taken as (2k)*pi/n; length 0 has none.
// n above kSinCosTableMaxLength is a broken invariant.
std::span<const SinCos> sincos_table_entry(std::size_t n);

}  // namespace prynox
