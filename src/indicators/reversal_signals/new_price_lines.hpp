#pragma once
// New price lines: a contrarian count of consecutive new closes. +1 once the close has fallen
// N or more times in a row, -1 once it has risen N or more times in a row, 0 otherwise; an
// unchanged close ends both runs.
#include <cstdint>
#include <expected>
#include <optional>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kNewPriceLinesCountMessage = "new price lines count must be >= 2";

class NewPriceLines {
public:
    // N < 2 (0 included) with its own message, then the maximum.
    static std::expected<NewPriceLines, IndicatorError> create(std::uint64_t count);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit NewPriceLines(std::uint64_t count) : count_(count) {}

    std::uint64_t count_;
    std::optional<double> previous_close_;
    std::uint64_t higher_ = 0;
    std::uint64_t lower_ = 0;
};

}  // namespace prynox
