#pragma once
// The frame of every candlestick pattern over a fixed number of candles: the kept candles
// (PatternCandles<K>), the constructor, the step and the warm-up come from here, so that a
// pattern type is its rule and nothing else:
//
//     struct EngulfingRule {
//         static double test(CandleRow<2> c);  // c[0] the older candle, c[1] the current one
//     };
//     using Engulfing = CandlePattern<EngulfingRule, 2>;
//
// A pattern with constants fixed at construction keeps them as members of its rule, initialised
// where they are declared, and tests with a const member function:
//
//     struct DojiRule {
//         double threshold = 0.1;
//         double test(CandleRow<1> c) const;
//     };
//
// The test runs from the K-th valid candle on, on the last K valid candles, oldest first, the
// current one last. It returns the signal (kBullishSignal, kBearishSignal, kNoPattern), or an
// OptionalValue where the pattern may give nothing on a warm bar. The candle contract has
// checked every candle it sees, and the current candle is kept whatever the test finds.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

// The candles a rule reads, oldest first.
template <std::size_t K>
using CandleRow = std::span<const Candle, K>;

template <class Rule, std::size_t K>
class CandlePattern {
public:
    // Built without parameters; it cannot fail.
    static std::expected<CandlePattern, IndicatorError> create() { return CandlePattern(); }

    OptionalValue update_candle(const Candle& c) {
        return candles_.step(c, [this](CandleRow<K> row) { return OptionalValue(rule_.test(row)); });
    }

    std::uint64_t warmup_period() const { return PatternCandles<K>::warmup_period(); }

    const Rule& rule() const { return rule_; }

private:
    CandlePattern() = default;

    [[no_unique_address]] Rule rule_{};
    PatternCandles<K> candles_;
};

}  // namespace prynox
