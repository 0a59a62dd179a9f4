#include "indicators/volume_lines/ad_oscillator.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/volume_lines/williams_ad_term.hpp"

namespace prynox {

OptionalValue AdOscillator::update_candle(const Candle& c) {
    if (!has_previous_) [[unlikely]] {
        previous_close_ = c.close;
        has_previous_ = true;
        return {};
    }
    const double total = williams_ad_term(c, previous_close_) + total_;
    if (!std::isfinite(total)) [[unlikely]] {
        previous_close_ = c.close;
        return {};
    }
    const bool filling = !average_.ring().full();
    const std::uint64_t held = average_.ring().count();
    const OptionalValue average = average_.update_value(total);
    // The average refuses a finite total only when its storage cannot grow: nothing changed.
    if (filling && average_.ring().count() == held) [[unlikely]]
        return {};
    total_ = total;
    previous_close_ = c.close;
    if (!average) return {};
    // Totals near the ends of the doubles can take their running sum, and so the difference,
    // beyond them until the sum is next recomputed.
    return finite_result(total - *average);
}

}  // namespace prynox
