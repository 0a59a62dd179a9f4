#pragma once
// Shannon entropy, in bits, of the last N closes binned into B equal-width bins between the
// window's low and high; 0 for a window without range.
#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kShannonBinsMessage = "Shannon entropy needs bins >= 2";

class ShannonEntropy {
public:
    // Any zero, bins >= 2, then bins <= MAX_PERIOD; the period is not bounded by MAX_PERIOD
    // (the window grows with the closes seen).
    static std::expected<ShannonEntropy, IndicatorError> create(std::uint64_t period, std::uint64_t bins);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    ShannonEntropy(std::uint64_t period, std::uint64_t bins)
        : window_(period), n_(static_cast<double>(period)), bins_(bins) {}

    RollingWindow<double> window_;
    double n_;
    std::uint64_t bins_;
    // Reused between bars and sized by the window, never by the bin count: per-bin counts when
    // there are no more bins than values, otherwise the values' bin numbers, sorted.
    std::vector<std::uint64_t> scratch_;
};

}  // namespace prynox
