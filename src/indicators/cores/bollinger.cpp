#include "indicators/cores/bollinger.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<BollingerBands, IndicatorError> BollingerBands::create(std::uint64_t period, double multiplier) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    return BollingerBands(period, multiplier);
}

BollingerBands::BollingerBands(std::uint64_t period, double multiplier)
    : ring_(period), n_(static_cast<double>(ring_.period())), k_(multiplier), equal_(ring_.period()) {}

bool BollingerBands::step_filling(double x, BollingerValue& out) {
    if (!std::isfinite(x)) return false;
    if (ring_.full()) return step(x, out);
    if (!ring_.fill(x)) return false;
    if (!anchored_) {
        anchor_ = x;
        anchored_ = true;
    }
    const double d = x - anchor_;
    sums_ = sums_ + DoublePair{d, d * d};
    arrived_sum_ += x;
    equal_.push(x);
    if (!ring_.full()) return false;
    reanchor();
    return finish(x, out);
}

void BollingerBands::reanchor() {
    // Runs on a full ring only: N values, oldest first in ring order.
    anchor_ = arrived_sum_ / n_;
    arrived_sum_ = 0.0;
    DoublePair sums{0.0, 0.0};
    const double a = anchor_;
    ring_.for_each_in_ring_order([&sums, a](double v) {
        const double d = v - a;
        sums += DoublePair{d, d * d};
    });
    sums_ = sums;
}

}  // namespace prynox
