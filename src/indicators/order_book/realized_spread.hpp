#pragma once
// The realized spread of each print, measured n prints later: 2 s0 (p0 - q) / q0 10000, where
// (s0, p0, q0) are the sign, price and quote mid of the print n trades back and q the quote mid
// of the bar in which the n-th later print arrives.
#include <cstdint>
#include <expected>

#include "indicators/boxed.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RealizedSpread {
public:
    // Window check on the period.
    static std::expected<RealizedSpread, IndicatorError> create(std::uint64_t period);

    // A value out of the finite range is not given (the print is still queued).
    OptionalValue update_trade_quote(const TradeQuote& tq);
    std::uint64_t warmup_period() const;

private:
    struct Record {
        double sign;
        double price;
        double mid;
    };

    explicit RealizedSpread(std::uint64_t period) : records_(period) {}

    // The last n prints; a print that finds it full takes the oldest off.
    RollingWindow<Record> records_;
};

}  // namespace prynox
