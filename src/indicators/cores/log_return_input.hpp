#pragma once
// The input of the types that read log returns of the close: a close must be finite and
// strictly positive; the first one only becomes the previous close, every later one gives
// ln(close / previous close). A return whose ratio overflows or underflows to a non-finite log
// is refused like a bad close, so it cannot reach a running sum. The caller accepts the close
// (making it the previous one) only once its own state has taken the return: a refusal further
// on leaves the previous close as it was.
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
        if (!std::isfinite(r)) [[unlikely]]
            return std::nullopt;
        return r;
    }

    void accept(double x) { previous_ = x; }

    bool primed() const { return primed_; }
    double previous() const { return previous_; }

private:
    double previous_ = 0.0;
    bool primed_ = false;
};

}  // namespace prynox
