#pragma once
// The dominant-cycle phase: the Hilbert pipeline plus the two things the phase needs, the last
// 50 smoothed prices and a smoothed copy of the measured period. The phase is the angle of the
// smoothed prices correlated with one cycle of sines and cosines of the measured length.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "indicators/cores/hilbert_pipeline.hpp"
#include "indicators/cores/newest_first.hpp"
#include "indicators/cores/sincos_table.hpp"

namespace prynox {

// The warm-up of the five cycle types without parameters: the phase sum wants its 50 smoothed
// prices' worth of input before the first value.
inline constexpr std::uint64_t kCycleWarmup = 50;

// n clamped to [1, maximum] (0 becomes 1); a maximum below 1 is a broken invariant.
std::uint64_t clamp_cycle_length(std::uint64_t n, std::uint64_t maximum);

class CyclePhase {
public:
    static constexpr std::size_t kSmoothPrices = 50;

    struct Phase {
        std::size_t length;  // cycle length used, within [1, smoothed prices held]
        double degrees;
    };

    // The pipeline on a finite x, with the smoothed price kept and, once the period has been
    // measured, the smoothed period updated.
    HilbertPipeline::Step step(double x) {
        HilbertPipeline::Step s = pipeline_.step(x);
        if (s.stage != HilbertPipeline::Stage::Priming) smooth_prices_.push(s.smooth);
        if (s.stage == HilbertPipeline::Stage::Measured)
            smooth_period_ = 0.33 * pipeline_.period() + 0.67 * smooth_period_;
        return s;
    }

    // The phase from the current state; only meaningful once a step has been Measured.
    // per_k(k) runs for each k of the phase sum, in the same loop, so that a caller's own sum
    // over the same length overlaps with it instead of following it.
    template <class PerK>
    Phase phase(PerK&& per_k) const {
        std::size_t n = cycle_length();
        auto pairs = sincos_table_entry(n);
        const double* prices = smooth_prices_.view().data();
        double real = 0.0;
        double imag = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            real += pairs[k].sin * prices[k];
            imag += pairs[k].cos * prices[k];
            per_k(k);
        }
        return Phase{n, phase_degrees(real, imag)};
    }
    Phase phase() const {
        return phase([](std::size_t) {});
    }

    double smooth_period() const { return smooth_period_; }
    std::uint64_t update_count() const { return pipeline_.update_count(); }
    const NewestFirst<kSmoothPrices>& smooth_prices() const { return smooth_prices_; }

private:
    // trunc(smooth period + 0.5), within [1, smoothed prices held].
    std::size_t cycle_length() const;
    // The angle of (real, imag) in degrees, advanced by one bar of the cycle.
    double phase_degrees(double real, double imag) const;

    HilbertPipeline pipeline_;
    NewestFirst<kSmoothPrices> smooth_prices_;
    double smooth_period_ = 0.0;
};

}  // namespace prynox
