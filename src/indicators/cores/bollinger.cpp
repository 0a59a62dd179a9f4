#include "indicators/cores/bollinger.hpp"

#include <bit>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<BollingerBands, IndicatorError> BollingerBands::create(std::uint64_t period, double multiplier) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    return BollingerBands(period, multiplier);
}

BollingerBands::BollingerBands(std::uint64_t period, double multiplier)
    : ring_(period), n_(static_cast<double>(ring_.period())), k_(multiplier) {}

std::optional<BollingerValue> BollingerBands::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (ring_.full()) {
        double d_old = ring_.at_head() - anchor_;
        s1_ = s1_ - d_old;
        s2_ = s2_ - d_old * d_old;
        ring_.replace(x);
    } else if (!ring_.fill(x)) {
        return std::nullopt;
    }
    if (!anchored_) {
        anchor_ = x;
        anchored_ = true;
    }
    double d = x - anchor_;
    s1_ = s1_ + d;
    s2_ = s2_ + d * d;
    if (equal_run_ > 0 && std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(last_)) {
        if (equal_run_ < ring_.period()) ++equal_run_;
    } else {
        equal_run_ = 1;
    }
    last_ = x;
    if (++updates_ >= ring_.period()) reanchor();
    if (!ring_.full()) return std::nullopt;
    if (equal_run_ == ring_.period()) return BollingerValue{x, x, x, 0.0};
    double u = s1_ / n_;
    double middle = anchor_ + u;
    double variance = s2_ / n_ - u * u;
    if (variance <= 0.0) variance = 0.0;  // also turns -0.0 into +0.0
    double sd = std::sqrt(variance);
    double w = k_ * sd;
    return BollingerValue{middle + w, middle, middle - w, sd};
}

void BollingerBands::reanchor() {
    // While filling, slots 0 .. count - 1 hold the values oldest first; once full, ring order.
    double sum = 0.0;
    ring_.for_each_in_ring_order([&sum](double v) { sum += v; });
    double m = static_cast<double>(ring_.count());
    anchor_ = sum / m;
    double s1 = 0.0;
    double s2 = 0.0;
    ring_.for_each_in_ring_order([&](double v) {
        double d = v - anchor_;
        s1 += d;
        s2 += d * d;
    });
    s1_ = s1;
    s2_ = s2;
    updates_ = 0;
}

}  // namespace prynox
