#pragma once
// The Sharpe ratio of the last N returns restated as a return at a benchmark's standard
// deviation: risk_free + benchmark_stddev * (mean - risk_free) / sd; 0 for a window without
// spread (a constant window included, exactly).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/return_moments.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kM2MeasurePeriodMessage = "m2 measure needs period >= 2";
inline constexpr const char* kM2MeasureParameterMessage =
    "risk_free must be finite and benchmark_stddev finite and non-negative";

class M2Measure {
public:
    static std::expected<M2Measure, IndicatorError> create(std::uint64_t period, double risk_free,
                                                           double benchmark_stddev);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        auto m = moments_.push(x);
        if (!m) [[unlikely]]
            return std::nullopt;
        if (m->variance == 0.0) return 0.0;
        double value = risk_free_ + (benchmark_stddev_ * (m->mean - risk_free_)) / std::sqrt(m->variance);
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return moments_.length(); }

private:
    M2Measure(std::uint64_t period, double risk_free, double benchmark_stddev)
        : moments_(period), risk_free_(risk_free), benchmark_stddev_(benchmark_stddev) {}

    ReturnMomentsWindow moments_;
    double risk_free_;
    double benchmark_stddev_;
};

}  // namespace prynox
