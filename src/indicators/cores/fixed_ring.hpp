#pragma once
// N slots written in turn: while filling, slot i holds the i-th value; once full, the slot at
// the head holds the oldest value and the next value overwrites it. The slots are created as
// values arrive (up to N), so a ring sized by a huge parameter over a short series stays small;
// the slots not yet written are never read.
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

#include "indicators/invariant.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

class FixedRing {
public:
    explicit FixedRing(std::uint64_t period) : period_(period == 0 ? 1 : period) {
        slots_.reserve(next_storage_size(0, period_));
    }

    std::uint64_t period() const { return period_; }
    std::uint64_t count() const { return count_; }
    bool full() const { return count_ == period_; }
    bool empty() const { return count_ == 0; }
    std::size_t head() const { return head_; }
    // Slots currently allocated (grows as the ring fills, never beyond N).
    std::size_t storage() const { return slots_.capacity(); }
    double slot(std::size_t i) const { return slots_[i]; }
    // The value the next write replaces once full (the oldest).
    double at_head() const { return slots_[head_]; }

    // Full ring: writes x over the oldest value, advances the head and returns the old value.
    double replace(double x) {
        double old = slots_[head_];
        slots_[head_] = x;
        advance();
        return old;
    }

    // Full ring: writes x over the oldest value and advances the head; true when the head
    // wrapped, that is once every N writes.
    bool overwrite_oldest(double x) {
        slots_[head_] = x;
        return advance();
    }

    // Filling ring: writes x into the next slot. False (ring unchanged) when storage could not
    // grow.
    [[nodiscard]] bool fill(double x) {
        require(count_ < period_, "ring is full");
        if (slots_.size() == slots_.capacity() && !grow()) return false;
        slots_.push_back(x);
        ++count_;
        advance();
        return true;
    }

    // Head advance with the wrap at N; true when the head wrapped to slot 0.
    bool advance() {
        if (++head_ == period_) {
            head_ = 0;
            return true;
        }
        return false;
    }

    // Visits the values in ring order: from the head to the last slot, then from slot 0 up to
    // the slot before the head (oldest to newest once full).
    template <class F>
    void for_each_in_ring_order(F&& f) const {
        for (std::size_t i = head_; i < slots_.size(); ++i) f(slots_[i]);
        for (std::size_t i = 0; i < head_; ++i) f(slots_[i]);
    }

    // Visits slot 0 up to the last written slot in index order.
    template <class F>
    void for_each_in_index_order(F&& f) const {
        for (double v : slots_) f(v);
    }

private:
    bool grow() {
        try {
            slots_.reserve(next_storage_size(slots_.capacity(), period_));
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
    }

    std::vector<double> slots_;
    std::uint64_t period_;
    std::size_t head_ = 0;
    std::uint64_t count_ = 0;
};

}  // namespace prynox
