#pragma once
// The commodity channel index of the typical price over the last p candles:
// (tp - mean) / (0.015 * mean deviation), 0 when the deviation is 0. The step of Cci and of
// StochasticCci. The mean comes from a running sum re-summed every p pushes; the mean
// deviation is a pass over the window on every candle.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/equal_run.hpp"
#include "indicators/cores/resummed_window.hpp"
#include "indicators/cores/typical_price.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class CciCore {
public:
    static constexpr double kFactor = 0.015;

    // For callers that checked the period (the window check).
    explicit CciCore(std::uint64_t period) : window_(period), run_(period), p_(static_cast<double>(period)) {}

    // Nothing, with nothing changed, for a candle whose typical price or running sum is not
    // finite (the window refuses a sum beyond the doubles, which such a typical price gives: one
    // such candle would otherwise spoil the sum for good) or that the window cannot make room for. Nothing while fewer than p candles are held, and nothing on a candle whose
    // index leaves the doubles (a deviation that overflows or underflows in the product).
    OptionalValue step(const Candle& c) {
        const double tp = typical_price(c);
        if (!window_.push(tp)) [[unlikely]]
            return std::nullopt;
        // p equal typical prices have no deviation, but the running mean may miss them by a
        // rounding (seven typical prices of 0.10000000000000002 average to 0.1), which would
        // read as +-66.67.
        const bool flat = run_.push(tp);
        if (!window_.full()) return std::nullopt;
        if (flat) return 0.0;
        const double mean = window_.sum() / p_;
        double dev = 0.0;
        window_.values().for_each([&dev, mean](double x) { dev += std::fabs(x - mean); });
        const double md = dev / p_;
        if (md == 0.0) return 0.0;
        if (!std::isfinite(md)) [[unlikely]]
            return std::nullopt;
        const double value = (tp - mean) / (md * kFactor);
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }

    std::uint64_t period() const { return window_.length(); }

private:
    ResummedWindow window_;
    EqualRun run_;
    double p_;
};

}  // namespace prynox
