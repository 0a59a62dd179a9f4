#include "indicators/multi_output_stops/nrtr.hpp"

#include <algorithm>
#include <cmath>

namespace prynox {

std::expected<Nrtr, IndicatorError> Nrtr::create(double p) {
    if (!(std::isfinite(p) && p > 0.0 && p < 100.0))
        return std::unexpected(IndicatorError::invalid_parameter(kNrtrPercentageMessage));
    return Nrtr(p);
}

bool Nrtr::update_candle(const Candle& c, std::array<double, 2>& out) {
    const double close = c.close;
    double direction = direction_, extreme, line;
    if (direction == 0.0) [[unlikely]] {
        direction = 1.0, extreme = close, line = below_ * close;
    } else if (direction > 0.0) {
        extreme = std::max(extreme_, close);
        line = below_ * extreme;
        if (!(close >= line)) direction = -1.0, extreme = close, line = above_ * close;
    } else {
        extreme = std::min(extreme_, close);
        line = above_ * extreme;
        if (!(close <= line)) direction = 1.0, extreme = close, line = below_ * close;
    }
    if (!std::isfinite(line)) [[unlikely]]
        return false;
    direction_ = direction;
    extreme_ = extreme;
    out = {line, direction};
    return true;
}

}  // namespace prynox
