#pragma once
// The last N values kept twice: in arrival order and sorted by the total order of doubles
// (-0.0 before +0.0, NaN placed), so order statistics are read straight from the sorted copy.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <new>
#include <span>
#include <vector>

#include "indicators/indicator_error.hpp"
#include "indicators/invariant.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/total_order.hpp"

namespace prynox {

class SortedWindow {
public:
    // The window check on the capacity: the one constructor that RollingIqr and QuartileBands
    // share.
    static CheckResult check(std::uint64_t capacity) { return check_window(capacity); }
    static std::expected<SortedWindow, IndicatorError> create(std::uint64_t capacity) {
        if (auto e = check(capacity)) return std::unexpected(*e);
        return SortedWindow(capacity);
    }
    // For callers that already checked the capacity.
    explicit SortedWindow(std::uint64_t capacity) : queue_(capacity) {
        sorted_.reserve(next_storage_size(0, queue_.capacity()));
    }

    std::uint64_t capacity() const { return queue_.capacity(); }
    std::size_t size() const { return queue_.size(); }
    bool full() const { return queue_.full(); }
    std::span<const double> sorted() const { return sorted_; }
    const RollingWindow<double>& arrival() const { return queue_; }

    // Drops the oldest value once N are held, then inserts x before any equal value. False
    // (window unchanged) when storage could not grow.
    [[nodiscard]] bool push(double x) {
        if (!queue_.make_room() || !make_sorted_room()) return false;
        if (queue_.full()) {
            double leaving = queue_.pop_front();
            auto it = lower_bound(leaving);
            require(it != sorted_.end(), "window is full");
            sorted_.erase(it);
        }
        (void)queue_.push(x);  // room was made above
        sorted_.insert(lower_bound(x), x);
        return true;
    }

    // Makes sure the next push cannot fail for want of storage.
    [[nodiscard]] bool make_room() { return queue_.make_room() && make_sorted_room(); }

    // The first position whose key is not less than x's key.
    std::vector<double>::const_iterator lower_bound(double x) const {
        std::int64_t key = total_order_key(x);
        return std::lower_bound(sorted_.begin(), sorted_.end(), key,
                                [](double v, std::int64_t k) { return total_order_key(v) < k; });
    }

private:
    bool make_sorted_room() {
        if (sorted_.size() < sorted_.capacity() || sorted_.size() == queue_.capacity()) return true;
        try {
            sorted_.reserve(next_storage_size(sorted_.capacity(), queue_.capacity()));
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
    }

    RollingWindow<double> queue_;
    std::vector<double> sorted_;
};

}  // namespace prynox
