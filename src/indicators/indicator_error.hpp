#pragma once
// The one error type of the indicator library: constructor refusals and rejected inputs.
#include <cstdint>
#include <string>

namespace prynox {

enum class IndicatorErrorKind : std::uint64_t {
    ZeroPeriod = 0,
    InvalidPeriod = 1,
    NonFiniteInput = 2,
    InvalidCandle = 3,
    InvalidTick = 4,
    NonPositiveMultiplier = 5,
    InvalidOrderBook = 6,
    InvalidTrade = 7,
    InvalidDerivativesTick = 8,
    InvalidCrossSection = 9,
    InvalidParameter = 10,
};

struct IndicatorError {
    IndicatorErrorKind kind = IndicatorErrorKind::ZeroPeriod;
    const char* message = nullptr;  // static text; null for the kinds without payload

    static constexpr IndicatorError zero_period() { return {IndicatorErrorKind::ZeroPeriod, nullptr}; }
    static constexpr IndicatorError invalid_period(const char* m) { return {IndicatorErrorKind::InvalidPeriod, m}; }
    static constexpr IndicatorError non_positive_multiplier() {
        return {IndicatorErrorKind::NonPositiveMultiplier, nullptr};
    }
    static constexpr IndicatorError invalid_parameter(const char* m) {
        return {IndicatorErrorKind::InvalidParameter, m};
    }

    void display(std::string& out) const;
    std::string display() const;
};

inline constexpr const char* kMaxPeriodMessage =
    "period exceeds the maximum supported window length (see MAX_PERIOD)";
inline constexpr std::uint64_t MAX_PERIOD = 16777216;

}  // namespace prynox
