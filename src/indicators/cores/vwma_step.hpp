#pragma once
// The windowed volume-weighted average of a (price, volume) stream: sum(price * volume) /
// sum(volume) over the last N pairs, and the plain mean of the window's prices, sum(price) / N,
// when the window holds no volume. Vwma runs one; VolumeWeightedMacd runs two over the same
// closes and volumes.
//
// The three sums run with subtract-on-evict and are recomputed exactly from the window (oldest
// pair first, each product taken pair by pair) on the call that fills it and then every N calls.
// Between recomputations they carry rounding residues, so an exact count of the positive volumes
// in the window decides that the window has no volume: the residue of a volume sum whose
// volumes have all left (about 3e-17 after 0.1, 0.7 and 0.2) would otherwise divide the
// product sum's residue into a value such as -128.
//
// A pair whose product or sums would not be finite is refused: no value, nothing changed, so one
// absurd bar cannot leave the sums infinite or NaN until the next recomputation.
#include <cmath>
#include <cstdint>
#include <expected>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class VwmaState {
public:
    // Window check on the period.
    static CheckResult check(std::uint64_t period) { return check_window(period); }
    static std::expected<VwmaState, IndicatorError> create(std::uint64_t period) {
        if (auto e = check(period)) return std::unexpected(*e);
        return VwmaState(period);
    }
    // For callers that already checked the period; 0 acts as 1.
    explicit VwmaState(std::uint64_t period) : window_(period), n_(static_cast<double>(window_.capacity())) {}

    // Whether the next step takes (price, volume), making room for it: a caller that runs two
    // states over the same stream asks both first, so that they never take different pairs.
    [[nodiscard]] bool ready_for(double price, double volume) {
        return window_.make_room() && next_sums(price, volume).finite();
    }

    // Takes a finite price and a finite volume >= 0 (a checked candle's): the average once the
    // window is full; nothing before, and nothing (state unchanged) for a refused pair.
    OptionalValue step(double price, double volume) {
        if (!window_.make_room()) [[unlikely]]
            return {};
        const Sums sums = next_sums(price, volume);
        if (!sums.finite()) [[unlikely]]
            return {};
        const bool leaves_volume = window_.full() && window_.oldest().volume > 0.0;
        (void)window_.push({price, volume});
        sums_ = sums;
        positive_ = positive_ - (leaves_volume ? 1 : 0) + (volume > 0.0 ? 1 : 0);
        if (++updates_ >= window_.capacity()) [[unlikely]]
            recompute();
        if (!window_.full()) return {};
        // A volume sum of 0, negative by rounding or NaN also takes the plain mean.
        const double result = positive_ != 0 && sums_.volume > 0.0 ? sums_.weighted / sums_.volume : sums_.price / n_;
        return finite_result(result);
    }

    std::uint64_t period() const { return window_.capacity(); }
    // The running sums and the count of positive volumes in the window.
    double weighted_sum() const { return sums_.weighted; }
    double volume_sum() const { return sums_.volume; }
    double price_sum() const { return sums_.price; }
    std::uint64_t positive_volumes() const { return positive_; }

private:
    struct Pair {
        double price;
        double volume;
    };
    struct Sums {
        double weighted = 0.0;
        double volume = 0.0;
        double price = 0.0;
        bool finite() const { return std::isfinite(weighted) && std::isfinite(volume) && std::isfinite(price); }
    };

    Sums next_sums(double price, double volume) const {
        Sums s = sums_;
        if (window_.full()) {
            const Pair& old = window_.oldest();
            s.weighted = s.weighted - old.price * old.volume;
            s.volume = s.volume - old.volume;
            s.price = s.price - old.price;
        }
        const double weighted = price * volume;
        s.weighted = s.weighted + weighted;
        s.volume = s.volume + volume;
        s.price = s.price + price;
        return s;
    }

    // A recomputation that would not be finite keeps the running sums.
    [[gnu::noinline]] void recompute() {
        Sums s;
        window_.for_each([&s](const Pair& p) {
            s.weighted = s.weighted + p.price * p.volume;
            s.volume = s.volume + p.volume;
            s.price = s.price + p.price;
        });
        if (s.finite()) sums_ = s;
        updates_ = 0;
    }

    RollingWindow<Pair> window_;
    double n_;
    Sums sums_;
    std::uint64_t updates_ = 0;
    std::uint64_t positive_ = 0;
};

// One step of the state on (price, volume).
inline OptionalValue vwma_step(VwmaState& state, double price, double volume) { return state.step(price, volume); }

}  // namespace prynox
