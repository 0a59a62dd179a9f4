#pragma once
// Empirical mode decomposition trend: the mean of a narrow band-pass (bandwidth 0.1) of the
// close over twice the period, given once fifty bars of peak and valley history exist.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/bandpass_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kEmdFractionMessage = "fraction must be in (0, 1]";

class EmpiricalModeDecomposition {
public:
    // Window check on the period, then the fraction (finite, in (0, 1]).
    static std::expected<EmpiricalModeDecomposition, IndicatorError> create(std::uint64_t period, double fraction);

    // A band-pass value or running sum that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x);
    // max(2 period, 50)
    std::uint64_t warmup_period() const {
        return window_.capacity() > kExtremaLength ? window_.capacity() : kExtremaLength;
    }
    // Slots the window has allocated (it grows with the closes seen).
    std::size_t storage() const { return window_.storage(); }

    double fraction() const { return fraction_; }
    double peak() const { return peak_; }
    double valley() const { return valley_; }

    static constexpr std::uint64_t kExtremaLength = 50;

private:
    EmpiricalModeDecomposition(std::uint64_t period, double fraction)
        : bandpass_(period, 1.2566370614359172 / static_cast<double>(period)), window_(sat_mul(2, period)),
          length_(static_cast<double>(sat_mul(2, period))), fraction_(fraction) {}

    BandpassStage bandpass_;
    RollingWindow<double> window_;  // band-pass values
    double length_;                 // 2 period
    double sum_ = 0.0;
    // The running sum never re-sums; a window of one repeated value gives that value exactly.
    std::uint64_t equal_run_ = 0;
    double peak_ = 0.0;
    double valley_ = 0.0;
    // The peak and valley histories only gate the first value: what matters of them is how many
    // bars they hold, up to kExtremaLength.
    std::uint64_t extrema_held_ = 0;
    double fraction_;  // accepted and kept; it does not enter the value
};

}  // namespace prynox
