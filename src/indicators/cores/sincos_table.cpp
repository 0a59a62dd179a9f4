#include "indicators/cores/sincos_table.hpp"

#include <array>
#include <cmath>

#include "indicators/invariant.hpp"

namespace prynox {

namespace {

constexpr double kPi = 3.141592653589793;
// Lengths 1..50 laid end to end: length n starts at n(n-1)/2.
constexpr std::size_t kPairs = kSinCosTableMaxLength * (kSinCosTableMaxLength + 1) / 2;

constexpr std::size_t entry_offset(std::size_t n) { return n * (n - 1) / 2; }

using Table = std::array<SinCos, kPairs>;

Table build_sincos_table() {
    Table t{};
    for (std::size_t n = 1; n <= kSinCosTableMaxLength; ++n) {
        for (std::size_t k = 0; k < n; ++k) {
            double a = (2.0 * static_cast<double>(k)) * kPi / static_cast<double>(n);
            t[entry_offset(n) + k] = SinCos{std::sin(a), std::cos(a)};
        }
    }
    return t;
}

}  // namespace

std::span<const SinCos> sincos_table_entry(std::size_t n) {
    require(n <= kSinCosTableMaxLength, "cycle length within the sine/cosine table");
    // Initialised once, on first use, under the language's thread-safe guard.
    static const Table table = build_sincos_table();
    if (n == 0) return {};
    return std::span<const SinCos>(table.data() + entry_offset(n), n);
}

}  // namespace prynox
