#pragma once
// TTM squeeze: whether the Bollinger bands of the last n closes lie inside a Keltner channel
// (the simple average of the close, a multiple of the average true range either side), and the
// momentum: the least-squares line through the last n closes' distances from the midpoint of the
// channel's centre and the window's high-low midpoint, valued at the newest bar. The momentum
// refits the window on every bar (O(n)).
#include <array>
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/bollinger.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/cores/regression_constants.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

inline constexpr const char* kTtmSqueezePeriodMessage = "TTM squeeze needs period >= 2 for the momentum regression";

class TtmSqueeze {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"squeeze", "momentum"};

    // The minimum of 2 (0 included), MAX_PERIOD, then the multiplier check of the Bollinger
    // multiplier and of the Keltner multiplier.
    static std::expected<TtmSqueeze, IndicatorError> create(std::uint64_t period, double bollinger_multiplier,
                                                            double keltner_multiplier);

    // A candle the ATR stage refuses (a range beyond the doubles) reaches no other stage. Bands,
    // a channel width or a momentum beyond the doubles are no value.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n
    std::uint64_t warmup_period() const { return average_.period(); }

private:
    TtmSqueeze(std::uint64_t period, double bollinger_multiplier, double keltner_multiplier)
        : bollinger_(period, bollinger_multiplier), average_(period), atr_(period), extremes_(period),
          keltner_multiplier_(keltner_multiplier), fit_(regression_constants(period)) {}

    BollingerBands bollinger_;
    Sma average_;  // the channel's centre; its ring is the window the momentum fits
    AtrStage atr_;
    HighLowExtremes extremes_;
    double keltner_multiplier_;
    RegressionConstants fit_;
};

}  // namespace prynox
