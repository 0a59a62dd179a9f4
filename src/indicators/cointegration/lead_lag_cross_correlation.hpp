#pragma once
// The strongest correlation between the closes and the reference over leads and lags of up to
// max_lag bars: the closes of a window of W bars ending max_lag bars before the newest, against
// the references shifted by d = 0, -1, +1, ..., -max_lag, +max_lag; the signed correlation of
// largest magnitude, the earlier candidate winning ties.
#include <array>
#include <cstdint>
#include <expected>
#include <vector>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kLeadLagWindowMessage = "lead-lag cross-correlation needs window >= 2";
inline constexpr const char* kLeadLagMaxLagMessage = "lead-lag cross-correlation needs max_lag >= 1";

class LeadLagCrossCorrelation {
public:
    static constexpr std::array<const char*, 1> kOutputNames{"correlation"};

    // window at least 2, then MAX_PERIOD; max_lag at least 1 (no maximum: the rings of
    // window + 2 max_lag pairs grow with the data, their length saturating).
    static std::expected<LeadLagCrossCorrelation, IndicatorError> create(std::uint64_t window, std::uint64_t max_lag);

    bool update_pair(double close, double reference, std::array<double, 1>& out);
    std::uint64_t warmup_period() const { return pairs_.capacity(); }

private:
    LeadLagCrossCorrelation(std::uint64_t window, std::uint64_t max_lag, std::uint64_t length)
        : pairs_(length), window_(window), max_lag_(max_lag) {}

    // The correlation of the closes at m .. m + W - 1 with the references from m + d on.
    double correlation_at(std::size_t reference_start) const;

    RollingWindow<XY> pairs_;
    std::uint64_t window_;
    std::uint64_t max_lag_;
    // Reused every bar (sized when the rings first fill): the closes and references in order,
    // and for each reference the run of equal references ending there.
    std::vector<double> closes_, references_;
    std::vector<std::uint64_t> reference_runs_;
    // Of the close window, fixed for the bar.
    double close_mean_ = 0.0, close_var_ = 0.0;
};

}  // namespace prynox
