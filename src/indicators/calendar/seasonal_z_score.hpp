#pragma once
// Seasonal z-score: how far the bar's return lies from the earlier returns of the same local hour,
// in their sample standard deviations. 24 buckets of running moments, no history.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class SeasonalZScore {
public:
    // Any offset in minutes: nothing to refuse.
    static std::expected<SeasonalZScore, IndicatorError> create(std::int32_t offset_minutes) {
        return SeasonalZScore(offset_minutes);
    }

    OptionalValue update_candle(const Candle& c);
    // 2, although each hour gives values only once it holds two returns.
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit SeasonalZScore(std::int32_t offset_minutes) : offset_minutes_(offset_minutes) {}

    struct Hour {
        std::uint64_t count = 0;
        double mean = 0.0;
        double squares = 0.0;  // sum of squared deviations from the mean
    };

    std::array<Hour, 24> hours_{};
    double previous_close_ = 0.0;
    std::int32_t offset_minutes_;
    bool has_previous_ = false;
};

}  // namespace prynox
