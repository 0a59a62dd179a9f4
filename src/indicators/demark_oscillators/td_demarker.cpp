#include "indicators/demark_oscillators/td_demarker.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TdDeMarker, IndicatorError> TdDeMarker::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return TdDeMarker(period);
}

OptionalValue TdDeMarker::update_candle(const Candle& c) {
    if (!has_previous_) {
        previous_ = c;
        has_previous_ = true;
        return std::nullopt;
    }
    const double up = std::max(c.high - previous_.high, 0.0);
    const double down = std::max(previous_.low - c.low, 0.0);
    const double up_sum = ups_.sum_after_push(up), down_sum = downs_.sum_after_push(down);
    const double au = up_sum / n_, ad = down_sum / n_;
    if (!std::isfinite(up_sum) || !std::isfinite(down_sum) || !std::isfinite(au + ad)) [[unlikely]] {
        previous_ = c;
        return std::nullopt;
    }
    if (!ups_.make_room() || !downs_.make_room()) [[unlikely]]
        return std::nullopt;
    previous_ = c;
    ups_.push(up, up_sum);  // room was made above
    downs_.push(down, down_sum);
    if (!ups_.full()) return std::nullopt;
    return au + ad == 0.0 ? 0.5 : au / (au + ad);
}

}  // namespace prynox
