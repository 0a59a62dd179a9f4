#include "indicators/multi_output_stops/kase_dev_stop.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<KaseDevStop, IndicatorError> KaseDevStop::create(std::uint64_t n, double k) {
    if (auto e = check_minimum(n, 2, kKaseDevStopPeriodMessage)) return std::unexpected(*e);
    if (auto e = check_multiplier(k)) return std::unexpected(*e);
    return KaseDevStop(n, k);
}

bool KaseDevStop::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!has_previous_) [[unlikely]] {
        previous_high_ = c.high, previous_low_ = c.low, has_previous_ = true;
        return false;
    }
    const double r = std::max(c.high, previous_high_) - std::min(c.low, previous_low_);
    if (!std::isfinite(r)) [[unlikely]]
        return refuse(c);
    const auto sums = ranges_.prepare(r);
    if (!sums) [[unlikely]]
        return refuse(c);
    const bool ready = ranges_.full_after_push();
    double direction = direction_, extreme = extreme_, line = line_;
    if (ready) {
        const ReturnMoments m = ranges_.moments(*sums);
        // A window of one repeated range is that range, whatever the sums' last bits say.
        const double mean = sums->equal_run >= ranges_.length() ? r : m.mean;
        const double dev = mean + k_ * std::sqrt(m.variance);
        const double close = c.close;
        if (direction == 0.0) [[unlikely]] {
            direction = 1.0, extreme = c.high, line = c.high - dev;
        } else if (direction > 0.0) {
            extreme = std::max(extreme, c.high);
            line = std::max(line, extreme - dev);
            if (!(close >= line)) direction = -1.0, extreme = c.low, line = c.low + dev;
        } else {
            extreme = std::min(extreme, c.low);
            line = std::min(line, extreme + dev);
            if (!(close <= line)) direction = 1.0, extreme = c.high, line = c.high - dev;
        }
        if (!std::isfinite(dev) || !std::isfinite(line)) [[unlikely]]
            return refuse(c);
    }
    ranges_.commit(*sums);
    previous_high_ = c.high, previous_low_ = c.low;
    if (!ready) return false;
    direction_ = direction, extreme_ = extreme, line_ = line;
    out = {line, direction};
    return true;
}

}  // namespace prynox
