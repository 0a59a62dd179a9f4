#pragma once
// The previous (close, reference) pair of the pair types that read changes of both series: the
// first pair only becomes the previous pair; every later one gives its first differences or its
// log returns against it. A change that is not finite (a difference or a ratio that overflows)
// is refused like a bad input, so it cannot reach a running sum. The caller accepts the pair
// (making it the previous one) only once its own state has taken the change: a refusal further
// on leaves the previous pair as it was, and the next change spans the gap.
#include <cmath>
#include <optional>

#include "indicators/cores/pair_moment_window.hpp"

namespace prynox {

class PairChanges {
public:
    // (close - previous close, reference - previous reference), or nothing. Both are finite.
    std::optional<XY> differences(double close, double reference) {
        if (!primed_) [[unlikely]] {
            prime(close, reference);
            return std::nullopt;
        }
        XY d{close - previous_.x, reference - previous_.y};
        if (!(std::isfinite(d.x) && std::isfinite(d.y))) [[unlikely]]
            return std::nullopt;
        return d;
    }
    // (ln(close / previous close), ln(reference / previous reference)), or nothing. Both are
    // finite and strictly positive.
    std::optional<XY> log_returns(double close, double reference) {
        if (!primed_) [[unlikely]] {
            prime(close, reference);
            return std::nullopt;
        }
        XY r{std::log(close / previous_.x), std::log(reference / previous_.y)};
        if (!(std::isfinite(r.x) && std::isfinite(r.y))) [[unlikely]]
            return std::nullopt;
        return r;
    }

    void accept(double close, double reference) { previous_ = {close, reference}; }

private:
    void prime(double close, double reference) {
        previous_ = {close, reference};
        primed_ = true;
    }

    XY previous_;
    bool primed_ = false;
};

}  // namespace prynox
