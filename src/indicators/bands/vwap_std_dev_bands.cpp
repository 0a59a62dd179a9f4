#include "indicators/bands/vwap_std_dev_bands.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/typical_price.hpp"

namespace prynox {

std::expected<VwapStdDevBands, IndicatorError> VwapStdDevBands::create(double multiplier) {
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    return VwapStdDevBands(multiplier);
}

bool VwapStdDevBands::update_candle(const Candle& c, std::array<double, 4>& out) {
    const double tp = typical_price(c);
    const double k = anchored_ ? anchor_ : tp;
    const double d = tp - k;
    const double s1 = s1_ + c.volume * d;
    const double s2 = s2_ + c.volume * (d * d);
    const double v = volume_ + c.volume;
    if (!(std::isfinite(tp) && std::isfinite(s1) && std::isfinite(s2) && std::isfinite(v))) [[unlikely]]
        return false;
    anchor_ = k;
    anchored_ = true;
    s1_ = s1;
    s2_ = s2;
    volume_ = v;
    if (v == 0.0) return false;
    const double mean = s1 / v;
    const double vwap = k + mean;
    double variance = s2 / v - mean * mean;
    if (variance <= 0.0) variance = 0.0;  // also turns -0.0 into +0.0
    const double sd = std::sqrt(variance);
    const double w = sd * m_;
    out = {vwap + w, vwap, vwap - w, sd};
    return true;
}

}  // namespace prynox
