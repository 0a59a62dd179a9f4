#pragma once
// Wilder's directional movement step shared by Adxr and Adx: the smoothed true range and
// directional movements (seeded with the plain sum of their first n inputs, then
// x + (S - S/n)), the directional indicators, DX, and the ADX (seeded with the mean of the first
// n DX values, then (DX + (n - 1) ADX) / n). The first triple comes on candle 2n.
//
// The DX seed is summed as the values arrive, oldest first from 0, so no list is kept: the same
// bits as summing a list of them. A candle whose true range, movements, sums or indicators are
// not finite (prices near the double range) would leave the sums infinite or NaN for good: that
// candle is refused instead, and nothing changes, the previous candle included.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"

namespace prynox {

struct DmiValues {
    double plus_di;
    double minus_di;
    double adx;
};

class DmiStep {
public:
    explicit DmiStep(std::uint64_t period)
        : period_(period), n_(static_cast<double>(period)), n_minus_one_(static_cast<double>(period) - 1.0) {}

    // One valid candle; true when it gives the triple in `out`.
    bool step(const Candle& c, DmiValues& out) {
        if (!has_previous_) [[unlikely]] {
            remember(c);
            return false;
        }
        const double tr = true_range(c.high, c.low, previous_close_);
        const double up = c.high - previous_high_;
        const double down = previous_low_ - c.low;
        const double plus_dm = up > down && up > 0.0 ? up : 0.0;
        const double minus_dm = down > up && down > 0.0 ? down : 0.0;
        double trs, pdms, mdms;
        if (smoothed_) [[likely]] {
            trs = tr + (tr_s_ - tr_s_ / n_);
            pdms = plus_dm + (plus_dm_s_ - plus_dm_s_ / n_);
            mdms = minus_dm + (minus_dm_s_ - minus_dm_s_ / n_);
        } else {
            trs = seed_tr_ + tr;
            pdms = seed_plus_ + plus_dm;
            mdms = seed_minus_ + minus_dm;
        }
        if (!(std::isfinite(trs) && std::isfinite(pdms) && std::isfinite(mdms))) [[unlikely]]
            return false;
        if (!smoothed_) [[unlikely]] {
            if (seed_count_ + 1 < period_) {
                seed_tr_ = trs, seed_plus_ = pdms, seed_minus_ = mdms;
                ++seed_count_;
                remember(c);
                return false;
            }
        }
        const double plus_di = trs == 0.0 ? 0.0 : (100.0 * pdms) / trs;
        const double minus_di = trs == 0.0 ? 0.0 : (100.0 * mdms) / trs;
        if (!(std::isfinite(plus_di) && std::isfinite(minus_di))) [[unlikely]]
            return false;
        const double sum = plus_di + minus_di;
        const double dx = sum == 0.0 ? 0.0 : (std::fabs(plus_di - minus_di) * 100.0) / sum;
        // DX lies in [0, 100] once the indicators are finite: the ADX and its seed stay finite.
        if (!smoothed_) [[unlikely]] {
            seed_tr_ = trs, seed_plus_ = pdms, seed_minus_ = mdms;
            ++seed_count_;
            smoothed_ = true;
        }
        tr_s_ = trs, plus_dm_s_ = pdms, minus_dm_s_ = mdms;
        remember(c);
        if (!adx_seeded_) [[unlikely]] {
            dx_sum_ += dx;
            if (++dx_count_ < period_) return false;
            adx_ = dx_sum_ / n_;
            adx_seeded_ = true;
        } else {
            adx_ = (dx + n_minus_one_ * adx_) / n_;
        }
        out = {plus_di, minus_di, adx_};
        return true;
    }

    std::uint64_t period() const { return period_; }

private:
    void remember(const Candle& c) {
        previous_high_ = c.high, previous_low_ = c.low, previous_close_ = c.close;
        has_previous_ = true;
    }

    std::uint64_t period_;
    double n_;
    double n_minus_one_;
    double previous_high_ = 0.0, previous_low_ = 0.0, previous_close_ = 0.0;
    double tr_s_ = 0.0, plus_dm_s_ = 0.0, minus_dm_s_ = 0.0;
    double seed_tr_ = 0.0, seed_plus_ = 0.0, seed_minus_ = 0.0;
    std::uint64_t seed_count_ = 0;
    double dx_sum_ = 0.0;
    std::uint64_t dx_count_ = 0;
    double adx_ = 0.0;
    bool has_previous_ = false;
    bool smoothed_ = false;
    bool adx_seeded_ = false;
};

}  // namespace prynox
