#pragma once
// The one form of every candlestick pattern: a pattern signal, +1.0 bullish, -1.0 bearish, 0.0
// when the pattern is not on this bar (also when a test meets a zero body or range it excludes),
// and the candles a pattern over K candles reads.
//
// A pattern over K candles keeps the last K - 1 valid candles whole, oldest first. Its first
// K - 1 valid candles are only kept (no value); from the K-th on every valid candle gives a
// signal. The current candle joins the kept ones on every valid bar, whatever the tests found.
// A candle that fails its check never reaches the step (the candle contract drops it), so the
// next candle is compared with the last valid one.
//
// Warm-ups of the candle types without a window: the number of candles they read, with the
// first value on that many valid candles:
//   1  transforms, single-candle patterns, TrueRange, MarketFacilitationIndex,
//      IntradayIntensity, Doji, SpinningTop, Marubozu, BeltHold
//   2  two-candle patterns (Engulfing, Harami, ...)
//   3  three-candle patterns, TasukiGap, Hikkake
//   4  four-candle patterns, HikkakeModified
//   5  five-candle patterns
// ShortLine and LongLine report their stored window instead.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/model/market.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr double kBullishSignal = 1.0;
inline constexpr double kBearishSignal = -1.0;
inline constexpr double kNoPattern = 0.0;

template <std::size_t K>
class PatternCandles {
    static_assert(K >= 1 && K <= 5, "patterns read one to five candles");

public:
    using Row = std::span<const Candle, K>;

    static constexpr std::uint64_t warmup_period() { return K; }

    // With K - 1 candles kept: test(row) on the kept candles and `current` (oldest first,
    // `current` last), whose signal is returned; before that, nothing. Either way `current` is
    // kept as the newest. A test returning a plain double cannot give nothing once warm.
    template <class Test>
    OptionalValue step(const Candle& current, Test&& test) {
        if (held_ + 1 < K) {
            kept_[held_++] = current;
            return std::nullopt;
        }
        std::array<Candle, K> row;
        for (std::size_t i = 0; i + 1 < K; ++i) row[i] = kept_[i];
        row[K - 1] = current;
        const OptionalValue signal = test(Row(row));
        for (std::size_t i = 0; i + 1 < K; ++i) kept_[i] = row[i + 1];
        return signal;
    }

    // Valid candles kept so far (at most K - 1).
    std::size_t held() const { return held_; }

private:
    std::array<Candle, K - 1> kept_{};
    std::size_t held_ = 0;
};

}  // namespace prynox
