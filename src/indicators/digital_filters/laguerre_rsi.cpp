#include "indicators/digital_filters/laguerre_rsi.hpp"
#include "indicators/optional_value.hpp"

#include <bit>

namespace prynox {

namespace {

bool same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

std::expected<LaguerreRsi, IndicatorError> LaguerreRsi::create(double gamma) {
    if (!(std::isfinite(gamma) && gamma >= 0.0 && gamma <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kLaguerreRsiGammaMessage));
    return LaguerreRsi(gamma);
}

OptionalValue LaguerreRsi::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!initialised_) {
        l_ = {x, x, x, x};
        initialised_ = true;
        return 50.0;
    }
    // The weights sum to 1 only up to rounding: a close equal to every element would move
    // them by an ulp and turn a flat series into 0 or 100. Such a step leaves them as they are.
    if (same(x, l_[0]) && same(x, l_[1]) && same(x, l_[2]) && same(x, l_[3])) return 50.0;

    std::array<double, 4> next;
    next[0] = one_minus_gamma_ * x + gamma_ * l_[0];
    next[1] = gamma_ * l_[1] + (l_[0] - gamma_ * next[0]);
    next[2] = gamma_ * l_[2] + (l_[1] - gamma_ * next[1]);
    next[3] = gamma_ * l_[3] + (l_[2] - gamma_ * next[2]);
    double cu = 0.0;
    double cd = 0.0;
    for (std::size_t i = 0; i < 3; ++i) {
        // Adding +0.0 to the other sum leaves it as it is (both start at +0.0 and only grow).
        double a = next[i];
        double b = next[i + 1];
        bool up = a >= b;
        cu += up ? a - b : 0.0;
        cd += up ? 0.0 : b - a;
    }
    double total = cu + cd;
    double scaled = 100.0 * cu;
    if (!(std::isfinite(total) && std::isfinite(scaled))) [[unlikely]]
        return std::nullopt;
    l_ = next;
    if (!(total > 0.0)) return 50.0;
    double value = scaled / total;
    return value < 0.0 ? 0.0 : (value > 100.0 ? 100.0 : value);
}

}  // namespace prynox
