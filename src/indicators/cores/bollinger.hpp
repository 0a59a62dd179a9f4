#pragma once
// The Bollinger core: mean and standard deviation of the last N values from sums of deviations
// around an anchor K, re-anchored at the window's mean after every N updates so the sums stay
// well conditioned for prices far from zero. The core is also the registry's BollingerBands
// type, publishing its four lines as named outputs.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/fixed_ring.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

struct BollingerValue {
    double upper;
    double middle;
    double lower;
    double sd;
};

class BollingerBands {
public:
    static constexpr std::array<const char*, 4> kOutputNames{"upper", "middle", "lower", "stddev"};

    // Window check on the period, then the multiplier check.
    static std::expected<BollingerBands, IndicatorError> create(std::uint64_t period, double multiplier);
    // For callers that already checked both.
    BollingerBands(std::uint64_t period, double multiplier);

    std::optional<BollingerValue> update_value(double x);
    // The named-output step: the four lines in the order of kOutputNames.
    bool update_value(double x, std::array<double, 4>& out) {
        const auto v = update_value(x);
        if (!v) return false;
        out = {v->upper, v->middle, v->lower, v->sd};
        return true;
    }

    std::uint64_t period() const { return ring_.period(); }
    std::uint64_t warmup_period() const { return ring_.period(); }
    double multiplier() const { return k_; }
    // The shifted sums over the values held, for owners that derive another statistic from them.
    std::uint64_t count() const { return ring_.count(); }
    double s1() const { return s1_; }
    double s2() const { return s2_; }
    // The last N values were bit-identical.
    bool constant_window() const { return equal_run_ == ring_.period(); }

private:
    void reanchor();

    FixedRing ring_;
    double n_;
    double k_;
    double anchor_ = 0.0;
    double s1_ = 0.0;
    double s2_ = 0.0;
    std::uint64_t updates_ = 0;
    bool anchored_ = false;
    // Length of the run of bit-identical values ending at the newest one, capped at N: a
    // constant window then gives sd 0 and three equal lines exactly, whatever the sums hold.
    std::uint64_t equal_run_ = 0;
    double last_ = 0.0;
};

}  // namespace prynox
