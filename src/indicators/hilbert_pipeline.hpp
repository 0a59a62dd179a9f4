#pragma once
// The Hilbert-transform pipeline that measures the dominant cycle of a series: a 4-bar
// weighted smoothing, a detrender, the in-phase and quadrature components and the phasor
// product, from which the cycle period follows. The cores of the cycle family (phase, period,
// the MAMA averages) run it and add their own steps on top.
#include <cstdint>

#include "indicators/newest_first.hpp"

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
    double i1() const { return i1_[0]; }
    double q1() const { return q1_[0]; }

private:
    static double ht(const NewestFirst<7>& l) {
        return ((0.0962 * l[0] + 0.5769 * l[2]) - 0.5769 * l[4]) - 0.0962 * l[6];
    }

    NewestFirst<4> price_;
    NewestFirst<7> smooth_;
    NewestFirst<7> detrender_;
    NewestFirst<7> q1_;
    NewestFirst<7> i1_;
    double i2_ = 0.0;
    double q2_ = 0.0;
    double re_ = 0.0;
    double im_ = 0.0;
    double period_ = 0.0;
    std::uint64_t count_ = 0;
};

}  // namespace prynox
