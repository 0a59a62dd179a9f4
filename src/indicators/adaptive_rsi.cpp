#include "indicators/adaptive_rsi.hpp"

#include <cmath>

#include "indicators/period_checks.hpp"

namespace prynox {

namespace {
constexpr double kScRange = 0.6021505376344085;  // 2/3 - 2/31
constexpr double kScSlow = 0.06451612903225806;  // 2/31
constexpr double kScFlat = 0.004162330905306971;  // (2/31)^2
}  // namespace

std::expected<AdaptiveRsi, IndicatorError> AdaptiveRsi::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return AdaptiveRsi(period);
}

std::optional<double> AdaptiveRsi::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!closes_.make_room() || !moves_.make_room()) return std::nullopt;
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        (void)closes_.push(x);  // room was made above
        return std::nullopt;
    }
    // Everything is worked out first and stored only when finite: a change or a sum that
    // overflows is refused like a non-finite close.
    double c = x - previous_;
    if (!std::isfinite(c)) return std::nullopt;
    double move = std::fabs(c);
    bool evicts = moves_.full();
    double leaving = evicts ? moves_.oldest() : 0.0;
    double path = move + (evicts ? path_ - leaving : path_);
    if (!std::isfinite(path)) return std::nullopt;
    double gain = c > 0.0 ? c : 0.0;
    double loss = -c > 0.0 ? -c : 0.0;  // the same test as the gain's: no branch on the sign

    double seed_gain = seed_gain_;
    double seed_loss = seed_loss_;
    std::uint64_t seed_count = seed_count_;
    double avg_gain = avg_gain_;
    double avg_loss = avg_loss_;
    bool seeding = !averaged_;
    if (seeding) {
        seed_gain = seed_gain + gain;
        seed_loss = seed_loss + loss;
        seed_count = seed_count + 1;
        // The means the seed will end with, checked at every seeding step so that sums too
        // large to report are refused before the seed completes.
        avg_gain = seed_gain / static_cast<double>(period_);
        avg_loss = seed_loss / static_cast<double>(period_);
    } else {
        // A window of N flat changes needs no count of its moves: the close then equals the
        // oldest, so a rounding residue left in the path still gives er = 0 and, with it,
        // exactly the constant used for a path of 0.
        double sc = kScFlat;
        if (path != 0.0) {
            // Once the averages are set the close window is full: after this close enters,
            // its oldest is the close N bars ago.
            double oldest = closes_[1];
            double er = std::fabs(x - oldest) / path;
            if (er < 0.0) er = 0.0;
            if (er > 1.0) er = 1.0;
            double t = er * kScRange + kScSlow;
            sc = t * t;
        }
        avg_gain = avg_gain + (gain - avg_gain) * sc;
        avg_loss = avg_loss + (loss - avg_loss) * sc;
    }
    bool gives_value = !seeding || seed_count == period_;
    double s = avg_gain + avg_loss;
    if (!std::isfinite(s)) return std::nullopt;

    previous_ = x;
    (void)closes_.push(x);  // room was made above
    (void)moves_.push(move);
    path_ = path;
    seed_gain_ = seed_gain;
    seed_loss_ = seed_loss;
    seed_count_ = seed_count;
    if (!gives_value) return std::nullopt;
    avg_gain_ = avg_gain;
    avg_loss_ = avg_loss;
    averaged_ = true;
    if (s == 0.0) return 50.0;
    return (avg_gain / s) * 100.0;
}

}  // namespace prynox
