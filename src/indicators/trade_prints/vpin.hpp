#pragma once
// Volume-synchronised probability of informed trading: prints fill buckets of volume V in
// order, split across bucket boundaries; the value is the sum of |buy - sell| over the last n
// completed buckets divided by V n. A print far larger than the room left is first cut by whole
// buckets beyond those that can still show, so one huge print costs about n + 2 bucket steps.
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/resummed_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Vpin {
public:
    static constexpr const char* kBucketVolumeMessage = "VPIN bucket_volume must be finite and positive";

    // The window check on the bucket count, then the bucket volume.
    static std::expected<Vpin, IndicatorError> create(std::uint64_t buckets, double bucket_volume);

    // A value that is not finite (V n beyond the finite range) is not given.
    OptionalValue update_trades(std::span<const TradePrint> prints);
    std::uint64_t warmup_period() const { return 1; }

private:
    Vpin(std::uint64_t buckets, double volume) : imbalances_(buckets), volume_(volume) {}

    ResummedWindow imbalances_;  // |buy - sell| of each completed bucket
    double volume_;
    double buy_ = 0.0;
    double sell_ = 0.0;
    double filled_ = 0.0;
};

}  // namespace prynox
