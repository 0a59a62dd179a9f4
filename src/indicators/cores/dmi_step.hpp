#pragma once
// Wilder's directional movement step shared by Adxr and Adx: the smoothed true range and
// directional movements (seeded with the plain sum of their first n inputs, then
// x + (S - S/n)), the directional indicators, DX, and the ADX (seeded with the mean of the first
// n DX values, then (DX + (n - 1) ADX) / n). The first triple comes on candle 2n.
//
// The DX seed is summed as the values arrive, oldest first from 0, so no list is kept: the same
// bits as summing a list of them. A candle whose true range, movements, sums or indicators are
// not finite (prices near the double range) would leave the sums infinite or NaN for good: that
// candle is refused instead and leaves the sums as they were, but it becomes the previous
// candle, so that the next movements are measured from it.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/fused_pair.hpp"

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
        // The two movements travel as one pair: lane for lane the same operations, half the
        // divisions.
        const DoublePair dm{up > down && up > 0.0 ? up : 0.0, down > up && down > 0.0 ? down : 0.0};
        double trs;
        DoublePair dms;
        if (smoothed_) [[likely]] {
            trs = tr + (tr_s_ - tr_s_ / n_);
            dms = dm + (dm_s_ - dm_s_ / DoublePair{n_, n_});
        } else {
            trs = seed_tr_ + tr;
            dms = seed_dm_ + dm;
        }
        if (!(std::isfinite(trs) && std::isfinite(dms[0]) && std::isfinite(dms[1]))) [[unlikely]] {
            remember(c);
            return false;
        }
        if (!smoothed_) [[unlikely]] {
            if (seed_count_ + 1 < period_) {
                seed_tr_ = trs, seed_dm_ = dms;
                ++seed_count_;
                remember(c);
                return false;
            }
        }
        const DoublePair di = trs == 0.0 ? DoublePair{0.0, 0.0} : (DoublePair{100.0, 100.0} * dms) / DoublePair{trs, trs};
        const double plus_di = di[0], minus_di = di[1];
        if (!(std::isfinite(plus_di) && std::isfinite(minus_di))) [[unlikely]] {
            remember(c);
            return false;
        }
        const double sum = plus_di + minus_di;
        const double dx = sum == 0.0 ? 0.0 : (std::fabs(plus_di - minus_di) * 100.0) / sum;
        // DX lies in [0, 100] once the indicators are finite: the ADX and its seed stay finite.
        if (!smoothed_) [[unlikely]] {
            seed_tr_ = trs, seed_dm_ = dms;
            ++seed_count_;
            smoothed_ = true;
        }
        tr_s_ = trs, dm_s_ = dms;
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
    DoublePair dm_s_{0.0, 0.0}, seed_dm_{0.0, 0.0};  // (+DM, -DM)
    double tr_s_ = 0.0, seed_tr_ = 0.0;
    std::uint64_t seed_count_ = 0;
    double dx_sum_ = 0.0;
    std::uint64_t dx_count_ = 0;
    double adx_ = 0.0;
    bool has_previous_ = false;
    bool smoothed_ = false;
    bool adx_seeded_ = false;
};

}  // namespace prynox
