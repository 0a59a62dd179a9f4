#pragma once
// Chande-Kroll stop: first stops x average true ranges inside the extremes of the last p
// candles (under the highest high, over the lowest low), then the long stop is the lowest of the
// last q first low stops and the short stop the highest of the last q first high stops.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_extremes.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class ChandeKrollStop {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"stop_long", "stop_short"};

    // The multiplier check on x, then the window checks on q and on p.
    static std::expected<ChandeKrollStop, IndicatorError> create(std::uint64_t p, double x, std::uint64_t q);

    // A bar whose first stops leave the doubles gives nothing and they do not enter their
    // windows; the candle still enters the average and the first windows, as Atr takes it.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // p + q - 1: the first stops begin on candle p.
    std::uint64_t warmup_period() const { return sat_sub(sat_add(stage_.period(), stops_.length()), 1); }

private:
    ChandeKrollStop(std::uint64_t p, double x, std::uint64_t q) : stage_(p), stops_(q), x_(x) {}

    AtrExtremes stage_;
    // The highest first high stop and the lowest first low stop of the last q.
    HighLowExtremes stops_;
    double x_;
};

}  // namespace prynox
