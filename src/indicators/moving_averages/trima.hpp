#pragma once
// Triangular moving average: a simple average of a simple average, of lengths N - N/2 and
// N/2 + 1, which together weigh the middle of the last N closes the most.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Trima {
public:
    static std::expected<Trima, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        auto a = first_.update_value(x);
        if (!a) return std::nullopt;
        return second_.update_value(*a);
    }
    std::uint64_t warmup_period() const { return period_; }
    std::uint64_t first_length() const { return first_.period(); }
    std::uint64_t second_length() const { return second_.period(); }

private:
    explicit Trima(std::uint64_t period) : period_(period), first_(period - period / 2), second_(period / 2 + 1) {}
    std::uint64_t period_;
    Sma first_;
    Sma second_;
};

}  // namespace prynox
