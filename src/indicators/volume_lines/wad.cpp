#include "indicators/volume_lines/wad.hpp"

#include <cmath>

#include "indicators/volume_lines/williams_ad_term.hpp"

namespace prynox {

OptionalValue Wad::update_candle(const Candle& c) {
    if (!has_previous_) [[unlikely]] {
        previous_close_ = c.close;
        has_previous_ = true;
        return {};
    }
    const double total = williams_ad_term(c, previous_close_) + total_;
    previous_close_ = c.close;
    if (!std::isfinite(total)) [[unlikely]]
        return {};
    total_ = total;
    return total;
}

}  // namespace prynox
