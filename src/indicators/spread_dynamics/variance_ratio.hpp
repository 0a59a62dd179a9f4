#pragma once
// Variance ratio of the spread close - reference: the variance of its q-bar changes (overlapping
// runs) over q times the variance of its one-bar changes; 1 for a random walk, below 1 for a
// mean-reverting spread, above 1 for a trending one, and 1 when the one-bar changes do not vary.
#include <cstdint>
#include <expected>
#include <span>
#include <vector>

#include "indicators/cores/spread_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kVarianceRatioQMessage = "variance ratio needs q >= 2";
inline constexpr const char* kVarianceRatioPeriodMessage = "variance ratio needs period >= q + 2";

class VarianceRatio {
public:
    // q: a minimum of 2 with its own message, then MAX_PERIOD; the period at least q + 2 (no
    // maximum: the window grows with the data).
    static std::expected<VarianceRatio, IndicatorError> create(std::uint64_t period, std::uint64_t q);

    OptionalValue update_pair(double close, double reference);
    std::uint64_t warmup_period() const { return window_.period(); }

    // The ratio of a full window; the one-bar changes go to `changes`.
    static OptionalValue of(std::span<const double> s, std::uint64_t q, std::vector<double>& changes);

private:
    VarianceRatio(std::uint64_t period, std::uint64_t q) : window_(period), q_(q) {}

    SpreadWindow window_;
    std::uint64_t q_;
    std::vector<double> changes_;  // reused from bar to bar (sized when the window first fills)
};

}  // namespace prynox
