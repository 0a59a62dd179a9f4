#pragma once
// Sample entropy of the last N closes: among pairs of templates of m consecutive closes that
// match within r = r_factor * (population standard deviation of the window), the negative log of
// the share that still match when extended to m + 1 closes; ln B when none does, 0 without
// matches or without spread.
//
// Pairs are counted along each diagonal (the pairs at one distance) from the lengths of the
// runs of matching closes, O(N^2) per bar whatever m is; the window only fills, and the work
// only starts, once N closes have been seen.
#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSampleEntropyPeriodMessage = "sample entropy needs period >= m + 2";
inline constexpr const char* kSampleEntropyFactorMessage = "sample entropy r_factor must be finite and positive";

class SampleEntropy {
public:
    // Any zero, period >= m + 2 (without overflow), then r_factor finite and > 0; the period is
    // not bounded by MAX_PERIOD (the window grows with the closes seen).
    static std::expected<SampleEntropy, IndicatorError> create(std::uint64_t period, std::uint64_t m, double r_factor);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    SampleEntropy(std::uint64_t period, std::uint64_t m, double r_factor)
        : window_(period), run_(period), n_(static_cast<double>(period)), m_(m), r_factor_(r_factor) {}

    RollingWindow<double> window_;
    // The mean of a constant window can miss its value by a rounding, leaving a tiny spread:
    // the run says the window is flat.
    EqualRun run_;
    double n_;
    std::uint64_t m_;
    double r_factor_;
    std::vector<double> scratch_;
};

}  // namespace prynox
