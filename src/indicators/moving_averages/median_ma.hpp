#pragma once
// Moving median of the last N closes (the midpoint of the two middle values for even N).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MedianMa {
public:
    static std::expected<MedianMa, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit MedianMa(std::uint64_t period) : window_(period) {}

    SortedWindow window_;
    OptionalValue last_;
};

}  // namespace prynox
