#pragma once
// Williams accumulation/distribution: the running total of the Williams term of each bar
// against the previous close (williams_ad_term.hpp); the first valid candle only primes the
// close. A candle whose term or total is not finite gives nothing and leaves the total as it
// was; the next term is still taken against its close.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Wad {
public:
    static std::expected<Wad, IndicatorError> create() { return Wad{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 2; }

private:
    double previous_close_ = 0.0;
    double total_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
