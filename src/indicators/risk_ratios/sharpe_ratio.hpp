#pragma once
// Mean excess of the last N returns over a risk-free rate, per sample standard deviation; 0 for
// a window without spread (a constant window included, exactly).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/return_moments.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSharpeRatioPeriodMessage = "sharpe ratio needs period >= 2";

class SharpeRatio {
public:
    // risk_free is not checked (the registry reads it finite).
    static std::expected<SharpeRatio, IndicatorError> create(std::uint64_t period, double risk_free);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        auto m = moments_.push(x);
        if (!m) [[unlikely]]
            return std::nullopt;
        if (m->variance == 0.0) return 0.0;
        double value = (m->mean - risk_free_) / std::sqrt(m->variance);
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return moments_.length(); }

private:
    SharpeRatio(std::uint64_t period, double risk_free) : moments_(period), risk_free_(risk_free) {}

    ReturnMomentsWindow moments_;
    double risk_free_;
};

}  // namespace prynox
