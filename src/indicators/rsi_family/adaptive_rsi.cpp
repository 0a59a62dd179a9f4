#include "indicators/rsi_family/adaptive_rsi.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

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

OptionalValue AdaptiveRsi::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!closes_.make_room() || !moves_.make_room()) return std::nullopt;
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        (void)closes_.push(x);  // room was made above
        return std::nullopt;
    }
    // Everything is worked out first and stored only when finite: a change or a sum that
    // overflows is refused, the close only becoming the previous one.
    double c = x - previous_;
    if (!std::isfinite(c)) return rebase(x);
    double move = std::fabs(c);
    bool evicts = moves_.full();
    double leaving = evicts ? moves_.oldest() : 0.0;
    double path = move + (evicts ? path_ - leaving : path_);
    if (!std::isfinite(path)) return rebase(x);
    double gain = c > 0.0 ? c : 0.0;
    double loss = -c > 0.0 ? -c : 0.0;  // the same test as the gain's: no branch on the sign

    // A window of N flat changes needs no count of its moves: the close then equals the oldest,
    // so a rounding residue left in the path still gives er = 0 and, with it, exactly the
    // constant used for a path of 0.
    double sc = kScFlat;
    if (averages_.seeded() && path != 0.0) {
        // Once the averages are set the close window is full: after this close enters, its
        // oldest is the close N bars ago.
        double oldest = closes_[1];
        double er = std::fabs(x - oldest) / path;
        if (er < 0.0) er = 0.0;
        if (er > 1.0) er = 1.0;
        double t = er * kScRange + kScSlow;
        sc = t * t;
    }
    auto step = averages_.next(gain, loss, [sc](double average, double v) { return average + (v - average) * sc; });
    if (!step.finite()) return rebase(x);

    previous_ = x;
    (void)closes_.push(x);  // room was made above
    (void)moves_.push(move);
    path_ = path;
    return averages_.commit(step);
}

}  // namespace prynox
