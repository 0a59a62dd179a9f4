#pragma once
// The Hilbert-transform pipeline that measures the dominant cycle of a series: a 4-bar
// weighted smoothing, a detrender, the in-phase and quadrature components and the phasor
// product, from which the cycle period follows. The cores of the cycle family (phase, period,
// the MAMA averages) run it and add their own steps on top.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace prynox {

class HilbertPipeline {
public:
    // How far one input got. Steps stop at the first list that is not yet full.
    enum class Stage : std::uint8_t {
        Priming,     // fewer than 4 prices
        Smoothing,   // smoothed price computed, smooth list not yet full
        Detrending,  // detrender or quadrature lists not yet full
        Measured,    // every step ran: period updated
    };

    struct Step {
        Stage stage;
        double smooth;  // this input's smoothed price (Smoothing and later)
    };

    // Runs the pipeline on a finite x (the caller rejects the others).
    Step step(double x);

    std::uint64_t update_count() const { return count_; }
    double period() const { return period_; }
    // The newest in-phase and quadrature components (valid from Measured on).
    double i1() const { return detrender_[head_ + kInPhaseLag]; }
    double q1() const { return q1_[head_]; }

private:
    // Each list starts once the one before it is full (7 values; 4 for the prices), and is then
    // pushed on every step, so how far an input gets follows from the count alone: the first
    // input that fills a list is the one that starts the next.
    static constexpr std::uint64_t kSmoothFrom = 4;
    static constexpr std::uint64_t kDetrendFrom = kSmoothFrom + 6;
    static constexpr std::uint64_t kQuadratureFrom = kDetrendFrom + 6;
    static constexpr std::uint64_t kMeasuredFrom = kQuadratureFrom + 6;

    // The in-phase component is the detrender 3 steps back, so its list of 7 is the detrender's
    // elements 3..9 and needs no copy of its own.
    static constexpr std::size_t kInPhaseLag = 3;
    // The lists advance in lockstep under one head. Each is mirrored (slot j and j + kSpan hold
    // the same value) so that its kSpan newest values lie contiguously, newest first, from the
    // head: a push is two stores, not a shift, and element k is at head + k.
    static constexpr std::size_t kSpan = kInPhaseLag + 7;
    using List = std::array<double, 2 * kSpan>;

    // The four-term transform of a list; l0 is its element 0, passed in from the register that
    // computed it rather than read back from the list.
    static double ht(double l0, const double* l) {
        return ((0.0962 * l0 + 0.5769 * l[2]) - 0.5769 * l[4]) - 0.0962 * l[6];
    }
    void push(List& list, double v) {
        list[head_] = v;
        list[head_ + kSpan] = v;
    }

    List price_{};
    List smooth_{};
    List detrender_{};
    List q1_{};
    std::size_t head_ = 0;
    double i2_ = 0.0;
    double q2_ = 0.0;
    double re_ = 0.0;
    double im_ = 0.0;
    double period_ = 0.0;
    std::uint64_t count_ = 0;
};

// Whether a close enters the Hilbert pipeline. Its phasor products square the price scale
// (they stay under about 8e4 * x^2), so closes beyond about 4.7e151 in magnitude would leave the
// double range and stall the period measurement for the rest of the run; closes beyond 1e150
// are refused like non-finite ones. Below that bound no derived number can overflow.
inline constexpr double kMaxCycleClose = 1e150;
inline bool accepts_cycle_close(double x) { return std::fabs(x) <= kMaxCycleClose; }

}  // namespace prynox
