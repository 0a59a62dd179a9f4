#pragma once
// Confirmed swing pivots from the stream of valid candles' highs and lows: alternating swing
// highs and lows, each confirmed once price has come back a fixed fraction (the reversal) from
// the running extreme. The first swing starts upward from the first bar's high, so the first
// pivot is always a swing high. The chart, harmonic and Fibonacci types each embed one and feed
// it every valid candle (an invalid one never reaches it, so it gets no bar index).
//
// The thresholds are extreme * (1 - reversal) and extreme * (1 + reversal) on the signed
// extreme, with no absolute value: on negative prices they behave as that product says.
//
// The newest `max_pivots` pivots are kept. Users count them from either end: the chart patterns
// from the newest, the harmonic patterns and the Fibonacci levels from the oldest.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <stdexcept>
#include <vector>

#include "indicators/cores/rolling_window.hpp"

namespace prynox {

struct SwingPivot {
    double price;          // the swing's extreme: highest high or lowest low
    double direction;      // +1.0 swing high, -1.0 swing low
    std::uint64_t index;   // bar of the extreme, counted from 0 over the bars fed

    bool is_high() const { return direction > 0.0; }
    friend bool operator==(const SwingPivot&, const SwingPivot&) = default;
};

// What one update did. kNoRoom: the pivot list could not grow; nothing changed, and the owner
// gives no value for the bar.
enum class SwingStep : std::uint8_t { kContinued, kConfirmed, kNoRoom };

class SwingPivotTracker {
public:
    SwingPivotTracker(double reversal, std::uint64_t max_pivots) : reversal_(reversal), max_pivots_(max_pivots) {}

    // One valid candle's high and low.
    SwingStep update(double high, double low) {
        const std::uint64_t i = bar_count_;
        if (!started_) {
            started_ = true;
            direction_ = 1.0;
            extreme_ = high;
            extreme_index_ = i;
        } else if (direction_ > 0.0) {
            if (high > extreme_) {
                extreme_ = high;
                extreme_index_ = i;
            } else if (low <= extreme_ * (1.0 - reversal_)) {
                if (!append({extreme_, 1.0, extreme_index_})) return SwingStep::kNoRoom;
                turn(-1.0, low, i);
                return SwingStep::kConfirmed;
            }
        } else {
            if (low < extreme_) {
                extreme_ = low;
                extreme_index_ = i;
            } else if (high >= extreme_ * (1.0 + reversal_)) {
                if (!append({extreme_, -1.0, extreme_index_})) return SwingStep::kNoRoom;
                turn(1.0, high, i);
                return SwingStep::kConfirmed;
            }
        }
        ++bar_count_;
        return SwingStep::kContinued;
    }

    std::size_t size() const { return pivots_.size(); }
    // Position k from the oldest kept pivot (0 the oldest) or from the newest (0 the newest).
    const SwingPivot& from_oldest(std::size_t k) const { return pivots_[k]; }
    const SwingPivot& from_newest(std::size_t k) const { return pivots_[pivots_.size() - 1 - k]; }
    std::span<const SwingPivot> pivots() const { return pivots_; }

    std::uint64_t bar_count() const { return bar_count_; }
    std::uint64_t max_pivots() const { return max_pivots_; }
    double reversal() const { return reversal_; }
    // Pivot slots allocated: none until the first confirmation, never more than max_pivots.
    std::size_t storage() const { return pivots_.capacity(); }

private:
    void turn(double direction, double extreme, std::uint64_t i) {
        direction_ = direction;
        extreme_ = extreme;
        extreme_index_ = i;
        ++bar_count_;
    }

    // Keeps the newest max_pivots: once full, the others move down one place. False when the
    // list could not grow (nothing changed).
    bool append(const SwingPivot& p) {
        if (pivots_.size() == max_pivots_) {
            if (pivots_.empty()) return true;  // a cap of 0 keeps nothing
            std::copy(pivots_.begin() + 1, pivots_.end(), pivots_.begin());
            pivots_.back() = p;
            return true;
        }
        if (pivots_.size() == pivots_.capacity()) {
            try {
                pivots_.reserve(next_storage_size(pivots_.size(), max_pivots_));
            } catch (const std::bad_alloc&) {
                return false;
            } catch (const std::length_error&) {
                return false;
            }
        }
        pivots_.push_back(p);
        return true;
    }

    bool started_ = false;
    double direction_ = 0.0;
    double extreme_ = 0.0;
    std::uint64_t extreme_index_ = 0;
    std::vector<SwingPivot> pivots_;
    double reversal_;
    std::uint64_t max_pivots_;
    std::uint64_t bar_count_ = 0;
};

}  // namespace prynox
