#pragma once
// Kendall's tau-b of close against reference over the last N pairs, from counts of concordant,
// discordant and tied pairs of pairs kept as the window moves (exact comparisons): one pass over
// the pairs held classifies each against the leaving pair and the entering one, O(N) per bar.
// 0 when either series is tied throughout.
#include <cstdint>
#include <expected>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kKendallTauPeriodMessage = "Kendall tau needs period >= 2";

class KendallTau {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<KendallTau, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return pairs_.capacity(); }

private:
    explicit KendallTau(std::uint64_t period) : pairs_(period) {}

    RollingWindow<XY> pairs_;
    std::int64_t score_ = 0;   // concordant less discordant pairs of pairs: all the value needs of them
    std::int64_t tied_x_ = 0;  // pairs of pairs with equal closes
    std::int64_t tied_y_ = 0;  // pairs of pairs with equal references
};

}  // namespace prynox
