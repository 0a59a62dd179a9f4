#pragma once
// The input of the types that read log returns of the close: a close must be finite and
// strictly positive (any other changes nothing); the first one only becomes the previous close,
// every later one gives ln(close / previous close) and then becomes the previous close itself. A
// return whose ratio overflows or underflows to a non-finite log is refused, so it cannot reach
// a running sum, but its close is still the one the next return is measured from: held back, a
// close of 1e-300 would refuse every later return as well. A caller that refuses a return
// further on leaves its own state as it was; the previous close has moved on all the same.
#include <cmath>
#include <optional>
#include "indicators/optional_value.hpp"

namespace prynox {

class LogReturnInput {
public:
    // The return of x, or nothing: x refused, or x the first close (then kept as the previous
    // close).
    OptionalValue next(double x) {
        if (!(std::isfinite(x) && x > 0.0)) return std::nullopt;
        if (!primed_) [[unlikely]] {
            previous_ = x;
            primed_ = true;
            return std::nullopt;
        }
        double r = std::log(x / previous_);
        previous_ = x;
        if (!std::isfinite(r)) [[unlikely]]
            return std::nullopt;
        return r;
    }

    bool primed() const { return primed_; }
    double previous() const { return previous_; }

private:
    double previous_ = 0.0;
    bool primed_ = false;
};

}  // namespace prynox
