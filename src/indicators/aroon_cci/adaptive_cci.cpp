#include "indicators/aroon_cci/adaptive_cci.hpp"

#include <bit>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/typical_price.hpp"

namespace prynox {

namespace {
// 2/3 - 2/31 and 2/31, and (2/31)^2 for a window without path.
constexpr double kScaleSpan = 0.6021505376344085;
constexpr double kScaleFloor = 0.06451612903225806;
constexpr double kAlphaNoPath = 0.004162330905306971;
}  // namespace

std::expected<AdaptiveCci, IndicatorError> AdaptiveCci::create(std::uint64_t period) {
    if (period == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(period)) return std::unexpected(*e);
    if (period == 1) return std::unexpected(IndicatorError::invalid_period(kShortPeriod));
    return AdaptiveCci(period);
}

OptionalValue AdaptiveCci::update_candle(const Candle& c) {
    const double tp = typical_price(c);
    if (!std::isfinite(tp) || !window_.push(tp)) [[unlikely]]
        return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const double first = window_.oldest();
    double path = 0.0, prev = first;
    window_.for_each([&path, &prev](double x) {
        path += std::fabs(x - prev);
        prev = x;
    });
    double alpha = kAlphaNoPath;
    if (path > 0.0) {
        double er = std::fabs(tp - first) / path;
        if (er > 1.0) er = 1.0;
        const double sc = er * kScaleSpan + kScaleFloor;
        alpha = sc * sc;
    }
    double mean;
    if (seeded_) {
        mean = mean_ + alpha * (tp - mean_);
    } else {
        // p equal typical prices seed their own value, not the rounding of their sum.
        double sum = 0.0;
        bool flat = true;
        const auto bits = std::bit_cast<std::uint64_t>(tp);
        window_.for_each([&sum, &flat, bits](double x) {
            sum += x;
            flat = flat && std::bit_cast<std::uint64_t>(x) == bits;
        });
        mean = flat ? tp : sum / p_;
    }
    // A window whose sum is beyond the doubles gives nothing and seeds nothing; the window
    // moves on, and the mean seeds once the sum is finite.
    if (!std::isfinite(mean)) [[unlikely]]
        return std::nullopt;
    mean_ = mean;
    seeded_ = true;
    double dev = 0.0;
    window_.for_each([&dev, mean](double x) { dev += std::fabs(x - mean); });
    const double md = dev / p_;
    if (!(md > 0.0)) return 0.0;
    const double value = (tp - mean) / (md * 0.015);
    // Covers a deviation beyond the doubles too (which would read as 0).
    if (!std::isfinite(value) || !std::isfinite(md)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
