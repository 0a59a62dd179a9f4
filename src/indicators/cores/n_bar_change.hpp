#pragma once
// The close against the close N accepted bars earlier: a window of N + 1 closes and one rule
// that turns the pair into the value. One constructor and one update serve the difference,
// rate-of-change and log-return types; each type is its own instantiation, so it keeps its own
// name in errors and its own operations table.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

// Rule: static bool accepts(double x) (which closes count as bars), static double apply(double
// x, double back), and kRejectNonFinite: a value that is not finite is then no value, but the
// close still enters the window, so that later bars are measured against it: left out, a close
// of 1e-300 would stay the one N bars back and refuse every later value.
template <class Rule>
class NBarChange {
public:
    // The window check on the period, then a window of N + 1 closes: the one constructor of
    // Mom, Roc, Rocp, Rocr, Rocr100, LogReturn and OpenInterestMomentum.
    static std::expected<NBarChange, IndicatorError> create(std::uint64_t period) {
        if (auto e = check_window(period)) return std::unexpected(*e);
        return NBarChange(period);
    }
    // For callers that already checked the period.
    explicit NBarChange(std::uint64_t period) : window_(sat_add(period, 1)) {}

    OptionalValue update_value(double x) {
        if (!Rule::accepts(x)) [[unlikely]]
            return std::nullopt;
        if (!window_.full()) [[unlikely]]
            return update_filling(x);
        // window_[1] is the close that becomes the oldest once x is in.
        double value = Rule::apply(x, window_[1]);
        (void)window_.push(x);  // a full window never allocates
        if constexpr (Rule::kRejectNonFinite) {
            if (!std::isfinite(value)) [[unlikely]]
                return std::nullopt;
        }
        return value;
    }

    // N + 1
    std::uint64_t warmup_period() const { return window_.capacity(); }
    std::uint64_t period() const { return window_.capacity() - 1; }
    const RollingWindow<double>& window() const { return window_; }

private:
    [[gnu::noinline]] OptionalValue update_filling(double x) {
        if (!window_.make_room()) return std::nullopt;
        if (window_.size() + 1 < window_.capacity()) {
            (void)window_.push(x);
            return std::nullopt;
        }
        // x fills the window: the oldest close stays the one N bars back.
        double value = Rule::apply(x, window_.oldest());
        (void)window_.push(x);  // room was made above
        if constexpr (Rule::kRejectNonFinite) {
            if (!std::isfinite(value)) return std::nullopt;
        }
        return value;
    }

    RollingWindow<double> window_;
};

// The rules of the ratio types: the guard gives 0 when the close N bars back is 0.
struct FiniteCloseRule {
    static bool accepts(double x) { return std::isfinite(x); }
    static constexpr bool kRejectNonFinite = false;
};

}  // namespace prynox
