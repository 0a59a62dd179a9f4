#include "indicators/candle_trailing_stops/sar_ext.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

namespace {

CheckResult check_side(const Acceleration& a) {
    for (double v : {a.start, a.step, a.maximum})
        if (auto e = check_multiplier(v)) return e;
    if (a.start > a.maximum) return IndicatorError::invalid_period(kSarExtStartAboveMax);
    return std::nullopt;
}

}  // namespace

std::expected<SarExt, IndicatorError> SarExt::create(double start_value, double offset, double long_start,
                                                     double long_step, double long_max, double short_start,
                                                     double short_step, double short_max) {
    if (offset < 0.0) return std::unexpected(IndicatorError::non_positive_multiplier());
    const Acceleration on_long{long_start, long_step, long_max}, on_short{short_start, short_step, short_max};
    if (auto e = check_side(on_long)) return std::unexpected(*e);
    if (auto e = check_side(on_short)) return std::unexpected(*e);
    return SarExt(on_long, on_short, start_value, offset);
}

}  // namespace prynox
