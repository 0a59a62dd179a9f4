#pragma once
// Hasbrouck's information share of the close: from a two-equation error-correction model of the
// one-bar changes of close and reference on their lagged gap and lagged changes, the midpoint of
// the share's two bounds (close ordered first, reference ordered first). 0.5 when a fit fails or
// the model is degenerate.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kInformationSharePeriodMessage = "information share needs period >= 6";

class HasbrouckInformationShare {
public:
    // A minimum of 6 with its own message, then MAX_PERIOD.
    static std::expected<HasbrouckInformationShare, IndicatorError> create(std::uint64_t period);

    // A pair whose own gap close - reference overflows is a rejected input: every later row
    // would carry it. One whose changes from the previous pair overflow gives no value and no
    // row, but the next changes are measured from it; the bar after it forms no row either,
    // since its lagged changes would be the overflowing ones.
    OptionalValue update_pair(double close, double reference);
    std::uint64_t warmup_period() const;

    // One bar of the model: the changes of close and reference, the lagged gap and the lagged
    // changes.
    struct Row {
        double dc, dr, z, dc1, dr1;
    };

private:
    explicit HasbrouckInformationShare(std::uint64_t period) : rows_(period) {}

    double share() const;

    RollingWindow<Row> rows_;
    // The last two accepted pairs, the older first.
    std::optional<XY> older_, newer_;
};

}  // namespace prynox
