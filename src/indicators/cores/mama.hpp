#pragma once
// The MESA adaptive moving average core: the Hilbert pipeline measures the phase of the
// dominant cycle, and the rate at which the phase changes sets the smoothing factor of two
// averages, mama and its follower fama.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/hilbert_pipeline.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

struct MamaValue {
    double mama;
    double fama;
};

inline constexpr const char* kMamaLimitsMessage = "fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1";

class Mama {
public:
    // Both limits finite with 0 < slow_limit <= fast_limit <= 1.
    static std::expected<Mama, IndicatorError> create(double fast_limit, double slow_limit);

    // The pair from the 33rd accepted input on; a non-finite x changes nothing.
    std::optional<MamaValue> update_value(double x);

    static constexpr std::uint64_t kWarmup = 33;
    std::uint64_t warmup_period() const { return kWarmup; }
    const std::optional<MamaValue>& last() const { return last_; }

private:
    Mama(double fast_limit, double slow_limit) : fast_limit_(fast_limit), slow_limit_(slow_limit) {}

    HilbertPipeline pipeline_;
    double fast_limit_;
    double slow_limit_;
    double previous_phase_ = 0.0;
    double mama_ = 0.0;
    double fama_ = 0.0;
    std::optional<MamaValue> last_;
};

}  // namespace prynox
