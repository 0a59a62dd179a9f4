#pragma once
// Information ratio: the mean of the last N differences close - reference over their sample
// standard deviation; 0 when the differences do not vary. A difference that overflows refuses
// the bar.
#include <cstdint>
#include <expected>

#include "indicators/cores/return_moments.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kInformationRatioPeriodMessage = "information ratio needs period >= 2";

class InformationRatio {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<InformationRatio, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return differences_.length(); }

private:
    explicit InformationRatio(std::uint64_t period) : differences_(period) {}

    // The one-series shifted moment window with the sample variance, unfused.
    ReturnMomentsWindow differences_;
};

}  // namespace prynox
