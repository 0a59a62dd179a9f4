#pragma once
// Arnaud Legoux moving average: a Gaussian-weighted average of the last N closes, the peak of
// the weights at offset (N - 1) * o and their width N / sigma.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kAlmaOffsetMessage = "ALMA offset must be a finite value in [0, 1]";
inline constexpr const char* kAlmaSigmaMessage = "ALMA sigma must be a finite positive value";

class Alma {
public:
    // Window check on N, then the offset, then sigma.
    static std::expected<Alma, IndicatorError> create(std::uint64_t period, double offset, double sigma);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

    // The N normalised weights, oldest first (computed when the window first fills).
    static std::vector<double> weights(std::uint64_t period, double offset, double sigma);

private:
    Alma(std::uint64_t period, double offset, double sigma) : window_(period), offset_(offset), sigma_(sigma) {}

    RollingWindow<double> window_;
    double offset_;
    double sigma_;
    // Sized by N: built only once N closes have been seen, so a long window over a short
    // series never allocates it.
    std::vector<double> weights_;
    OptionalValue last_;
};

}  // namespace prynox
