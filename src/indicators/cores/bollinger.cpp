#include "indicators/cores/bollinger.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<BollingerBands, IndicatorError> BollingerBands::create(std::uint64_t period, double multiplier) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    return BollingerBands(period, multiplier);
}

BollingerBands::BollingerBands(std::uint64_t period, double multiplier)
    : ring_(period), n_(static_cast<double>(ring_.period())), k_(multiplier) {}

bool BollingerBands::step_filling(double x, BollingerValue& out) {
    if (!std::isfinite(x)) return false;
    if (ring_.full()) return step(x, out);
    if (!ring_.fill(x)) return false;
    if (!anchored_) {
        anchor_ = x;
        anchored_ = true;
    }
    const double d = x - anchor_;
    s1_ = s1_ + d;
    s2_ = s2_ + d * d;
    track_equal_run(x);
    if (++updates_ >= ring_.period()) reanchor();
    if (!ring_.full()) return false;
    return finish(x, out);
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
