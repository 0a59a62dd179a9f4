#pragma once
// Ultimate oscillator: buying pressure (close - true low) over true range, summed over three
// windows and blended 4 : 2 : 1 in parameter order, 0 to 100. A window without range counts as
// 0.5. The windows have no upper bound: the ring grows with the data.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class UltimateOscillator {
public:
    // Any window 0; no upper bound.
    static std::expected<UltimateOscillator, IndicatorError> create(std::uint64_t w1, std::uint64_t w2,
                                                                    std::uint64_t w3);

    // A candle whose true range or sums leave the doubles gives nothing and leaves the windows as
    // they were; the next true range still reaches to its close.
    OptionalValue update_candle(const Candle& c);
    // max(#0, #1, #2) + 1, saturating.
    std::uint64_t warmup_period() const;

private:
    struct Pair {
        double bp;
        double tr;
    };

    UltimateOscillator(std::uint64_t w1, std::uint64_t w2, std::uint64_t w3, std::uint64_t largest);

    RollingWindow<Pair> pairs_;  // the last m + 1 pairs
    // The running sums of each window, never re-summed, and the count of non-zero true ranges in
    // it: with none the window has no range, whatever residue the sums kept. Plain arrays, read
    // and written one number at a time: copied as records, the next candle's loads waited on
    // the stores of the last.
    std::uint64_t windows_[3];
    double bp_[3] = {0.0, 0.0, 0.0};
    double tr_[3] = {0.0, 0.0, 0.0};
    std::uint64_t ranged_[3] = {0, 0, 0};
    std::uint64_t largest_;
    std::uint64_t taken_ = 0;
    double previous_close_ = 0.0;
    bool has_previous_close_ = false;
};

}  // namespace prynox
