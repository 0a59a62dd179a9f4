#pragma once
// Largest and smallest of the last N pushed values in O(1) amortised per push (two monotonic
// queues), by the total order of doubles. Gives exactly what a scan of the window would.
#include <cstdint>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/total_order.hpp"

namespace prynox {

class WindowExtremes {
public:
    explicit WindowExtremes(std::uint64_t length) : length_(length == 0 ? 1 : length), maxq_(length_), minq_(length_) {}

    // Makes sure the next push cannot allocate; false when the storage could not grow.
    [[nodiscard]] bool make_room() { return maxq_.make_room() && minq_.make_room(); }

    // Storage for a full window in both queues now, so that no later push allocates: the
    // queues otherwise grow whenever they first get longer, which may be long after the
    // window has filled. For an owner to call once `length` values have been pushed.
    [[nodiscard]] bool reserve_full() { return maxq_.reserve_full() && minq_.reserve_full(); }

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double x) {
        if (!make_room()) return false;
        ++count_;
        // An entry older than the last `length` pushes leaves from the front.
        if (count_ > length_) {
            std::uint64_t first_kept = count_ - length_ + 1;
            if (!maxq_.empty() && maxq_.oldest().index < first_kept) (void)maxq_.pop_front();
            if (!minq_.empty() && minq_.oldest().index < first_kept) (void)minq_.pop_front();
        }
        // Later larger (smaller) values make earlier smaller (larger) ones irrelevant; on equal
        // keys the newer entry replaces the older so the front is the latest extreme.
        std::int64_t key = total_order_key(x);
        while (!maxq_.empty() && total_order_key(maxq_.newest().value) <= key) (void)maxq_.pop_back();
        while (!minq_.empty() && total_order_key(minq_.newest().value) >= key) (void)minq_.pop_back();
        (void)maxq_.push({x, count_});
        (void)minq_.push({x, count_});
        return true;
    }

    double max() const { return maxq_.oldest().value; }
    double min() const { return minq_.oldest().value; }
    std::uint64_t length() const { return length_; }
    // Values pushed so far (not capped).
    std::uint64_t pushed() const { return count_; }
    bool full() const { return count_ >= length_; }

private:
    struct Entry {
        double value;
        std::uint64_t index;  // 1-based push number
    };

    std::uint64_t length_;
    RollingWindow<Entry> maxq_;
    RollingWindow<Entry> minq_;
    std::uint64_t count_ = 0;
};

}  // namespace prynox
