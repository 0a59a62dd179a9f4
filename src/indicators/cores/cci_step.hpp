#pragma once
// The commodity channel index of the typical price over the last p candles:
// (tp - mean) / (0.015 * mean deviation), 0 when the deviation is 0. The step of Cci and of
// StochasticCci. The mean comes from a running sum re-summed from the window every p pushes;
// the mean deviation is a pass over the window on every candle. The window grows with the
// data up to p.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/equal_run.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/typical_price.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class CciCore {
public:
    static constexpr double kFactor = 0.015;

    // For callers that checked the period (the window check).
    explicit CciCore(std::uint64_t period) : window_(period), run_(period), p_(static_cast<double>(period)) {}

    // Nothing, with nothing changed, for a candle whose typical price is not finite (high + low
    // beyond the doubles) or that the window cannot make room for. Nothing while fewer than p
    // candles are held, and nothing while the window's sum or deviation is beyond the doubles.
    OptionalValue step(const Candle& c) {
        const double tp = typical_price(c);
        if (!std::isfinite(tp) || !window_.make_room()) [[unlikely]]
            return std::nullopt;
        double sum = window_.full() ? (sum_ - window_.oldest()) + tp : sum_ + tp;
        (void)window_.push(tp);
        if (++pushes_ == window_.capacity()) {
            pushes_ = 0;
            sum = resum();
        } else if (!std::isfinite(sum)) [[unlikely]] {
            // The leaving value alone can carry the running sum out of the doubles, and an
            // infinite sum would stay so: take the window's own sum, finite again once the
            // huge values have left.
            sum = resum();
        }
        sum_ = sum;
        // p equal typical prices have no deviation, but the running mean may miss them by a
        // rounding (seven typical prices of 0.10000000000000002 average to 0.1), which would
        // read as +-66.67.
        const bool flat = run_.push(tp);
        if (!window_.full()) return std::nullopt;
        if (flat) return 0.0;
        const double mean = sum / p_;
        double dev = 0.0;
        window_.for_each([&dev, mean](double x) { dev += std::fabs(x - mean); });
        const double md = dev / p_;
        if (md == 0.0) return 0.0;
        const double value = (tp - mean) / (md * kFactor);
        // Covers a sum or deviation beyond the doubles (a deviation of inf would read as 0).
        if (!std::isfinite(value) || !std::isfinite(md)) [[unlikely]]
            return std::nullopt;
        return value;
    }

    std::uint64_t period() const { return window_.capacity(); }

private:
    double resum() const {
        double s = 0.0;
        window_.for_each([&s](double x) { s += x; });
        return s;
    }

    RollingWindow<double> window_;
    EqualRun run_;
    double p_;
    double sum_ = 0.0;
    std::uint64_t pushes_ = 0;
};

}  // namespace prynox
