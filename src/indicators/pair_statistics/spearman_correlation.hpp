#pragma once
// Spearman correlation: the population Pearson correlation of the ranks of the closes and of the
// references over the last N pairs. Ranks follow the total order of doubles; a run of equal
// values (==, so -0.0 beside +0.0 is one run) shares the mean of its places. Two sorts of the
// window on every bar; 0 when either rank list does not vary.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <vector>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSpearmanCorrelationPeriodMessage = "spearman correlation needs period >= 2";

class SpearmanCorrelation {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<SpearmanCorrelation, IndicatorError> create(std::uint64_t period);

    // A bar whose scratch lists cannot grow gives no value and changes nothing.
    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return pairs_.capacity(); }

private:
    // Ranks of the first n `values` (1-based, ties sharing the mean of their places) into
    // `ranks`, by position; `order` is scratch.
    struct Place {
        std::int64_t key;  // total order of the value
        std::uint64_t position;
        double value;
    };
    static void rank(std::size_t n, const std::vector<double>& values, std::vector<Place>& order, std::vector<double>& ranks);

    explicit SpearmanCorrelation(std::uint64_t period) : pairs_(period) {}

    RollingWindow<XY> pairs_;
    // Scratch, grown with the window and reused.
    std::vector<double> xs_, ys_, x_ranks_, y_ranks_;
    std::vector<Place> order_;
};

}  // namespace prynox
