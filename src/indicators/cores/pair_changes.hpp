#pragma once
// The previous (close, reference) pair of the pair types that read changes of both series: the
// first pair only becomes the previous pair; every later one gives its first differences or its
// log returns against it and then becomes the previous pair itself. A change that is not finite
// (a difference or a ratio that overflows) is refused, so it cannot reach a running sum, but the
// next change is measured from its pair: held back, a close of 1e-300 would refuse every later
// change as well. A caller that refuses a change further on leaves its own state as it was; the
// previous pair has moved on all the same.
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
        previous_ = {close, reference};
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
        previous_ = {close, reference};
        if (!(std::isfinite(r.x) && std::isfinite(r.y))) [[unlikely]]
            return std::nullopt;
        return r;
    }

private:
    void prime(double close, double reference) {
        previous_ = {close, reference};
        primed_ = true;
    }

    XY previous_;
    bool primed_ = false;
};

}  // namespace prynox
