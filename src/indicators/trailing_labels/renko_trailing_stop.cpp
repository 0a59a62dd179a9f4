#include "indicators/trailing_labels/renko_trailing_stop.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<RenkoTrailingStop, IndicatorError> RenkoTrailingStop::create(double brick) {
    if (auto e = check_multiplier(brick)) return std::unexpected(*e);
    return RenkoTrailingStop(brick);
}

OptionalValue RenkoTrailingStop::update_value(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        return std::nullopt;
    const double b = brick_;
    double anchor;
    double result;
    bool is_long = long_;
    if (!has_anchor_) [[unlikely]] {
        anchor = x;
        result = x - b;
    } else if (long_) {
        if (x < anchor_ - b) {
            is_long = false;
            anchor = x;
            result = x + b;
        } else {
            double k = std::floor((x - anchor_) / b);
            anchor = k >= 1.0 ? anchor_ + b * k : anchor_;
            result = anchor - b;
        }
    } else {
        if (x > anchor_ + b) {
            is_long = true;
            anchor = x;
            result = x - b;
        } else {
            double k = std::floor((anchor_ - x) / b);
            anchor = k >= 1.0 ? anchor_ - b * k : anchor_;
            result = anchor + b;
        }
    }
    // An anchor or level beyond the doubles (a brick count overflowing) is not taken.
    if (!std::isfinite(anchor) || !std::isfinite(result)) [[unlikely]]
        return std::nullopt;
    anchor_ = anchor;
    has_anchor_ = true;
    long_ = is_long;
    return result;
}

}  // namespace prynox
