#pragma once
// A stop level that trails the price in one direction and flips side on a strict crossing: long,
// it rises to the candidate below the price and flips short to the candidate above when the
// price falls under it; short, the mirror image. It starts long at the first candidate below.
// A level that would leave the doubles (a distance or grid step overflowing) is not taken: the
// bar gives no value and the stop stays as it was.
#include <algorithm>
#include <cmath>
#include <optional>
#include "indicators/optional_value.hpp"

namespace prynox {

class FlippingStop {
public:
    OptionalValue step(double x, double below, double above) {
        if (!has_level_) [[unlikely]] {
            if (!std::isfinite(below)) return std::nullopt;
            level_ = below;
            has_level_ = true;
            return level_;
        }
        double next;
        bool flip;
        if (long_) {
            flip = x < level_;
            next = flip ? above : std::max(level_, below);
        } else {
            flip = x > level_;
            next = flip ? below : std::min(level_, above);
        }
        if (!std::isfinite(next)) [[unlikely]]
            return std::nullopt;
        level_ = next;
        long_ = long_ != flip;
        return level_;
    }

    bool is_long() const { return long_; }

private:
    double level_ = 0.0;
    bool has_level_ = false;
    bool long_ = true;
};

}  // namespace prynox
