#pragma once
// Dynamic momentum index: an RSI-style ratio of rises to falls over the last k one-bar changes,
// where k = N / (sd / average sd) shrinks when the 5-bar standard deviation of the close is
// high against its 10-bar average; k is kept within [5, 30].
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/bollinger.hpp"
#include "indicators/cores/fused_pair.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class DynamicMomentumIndex {
public:
    // Window check on the base period.
    static std::expected<DynamicMomentumIndex, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // Thirty changes are needed whatever the period.
    std::uint64_t warmup_period() const { return kChanges + 1; }

    static constexpr std::uint64_t kSdLength = 5;
    static constexpr std::uint64_t kSdAverageLength = 10;
    static constexpr std::uint64_t kChanges = 30;
    static constexpr std::uint64_t kMinLength = 5;

private:
    explicit DynamicMomentumIndex(std::uint64_t period);

    // Only the standard deviation of the Bollinger core is read (its multiplier is unused).
    BollingerBands deviation_;
    Sma deviation_average_;
    // The last 30 one-bar changes as (rise, fall): max(c, 0) and max(-c, 0).
    RollingWindow<DoublePair> moves_;
    double base_;
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
