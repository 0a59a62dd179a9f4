#pragma once
// The last N values in arrival order (position 0 is the oldest). Storage follows the data
// actually seen: it starts small and doubles up to the window's capacity, so a window sized by
// a huge parameter over a short series costs memory for the short series only. Once the
// window has filled, pushing never allocates.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <vector>

#include "indicators/invariant.hpp"

namespace prynox {

inline constexpr std::size_t kInitialWindowStorage = 16;

// Storage size for a window of `capacity` once `current` slots are in use: double, at least
// the initial size, never beyond the capacity. Shared by every growing buffer of the library.
constexpr std::size_t next_storage_size(std::size_t current, std::uint64_t capacity) {
    std::size_t want = current < kInitialWindowStorage ? kInitialWindowStorage
                       : current > (static_cast<std::size_t>(-1) / 2) ? static_cast<std::size_t>(-1)
                                                                      : current * 2;
    return capacity < want ? static_cast<std::size_t>(capacity) : want;
}

template <class T>
class RollingWindow {
public:
    // A capacity of 0 is treated as 1: every window holds at least the newest value.
    explicit RollingWindow(std::uint64_t capacity) : capacity_(capacity == 0 ? 1 : capacity) {
        buf_.resize(next_storage_size(0, capacity_));
    }

    std::uint64_t capacity() const { return capacity_; }
    std::size_t size() const { return len_; }
    bool empty() const { return len_ == 0; }
    bool full() const { return len_ == capacity_; }
    // Slots currently allocated (grows with the data, never beyond the capacity).
    std::size_t storage() const { return buf_.size(); }

    // Position i counted from the oldest value.
    const T& operator[](std::size_t i) const { return buf_[wrap(head_ + i)]; }
    T& operator[](std::size_t i) { return buf_[wrap(head_ + i)]; }
    const T& oldest() const { return buf_[head_]; }
    const T& newest() const { return (*this)[len_ - 1]; }
    // Position i counted from the newest value (0 is the newest).
    const T& back(std::size_t i) const { return (*this)[len_ - 1 - i]; }

    // Appends x, first dropping the oldest value when the window is full. Returns false and
    // leaves the window unchanged when its storage could not grow.
    [[nodiscard]] bool push(const T& x) {
        if (len_ == capacity_) {
            buf_[head_] = x;
            head_ = wrap(head_ + 1);
            return true;
        }
        if (len_ == buf_.size() && !grow()) return false;
        buf_[wrap(head_ + len_)] = x;
        ++len_;
        return true;
    }

    // Makes sure the next push cannot allocate; false when the storage could not grow.
    [[nodiscard]] bool make_room() { return len_ < buf_.size() || len_ == capacity_ || grow(); }
    // Whether the next push can take its slot without allocating.
    bool has_room() const { return len_ < buf_.size() || len_ == capacity_; }
    // push for a window that has room (has_room() or make_room() said so): no path through it
    // allocates or calls, so a caller's values can stay in registers across it.
    void push_in_room(const T& x) {
        const std::size_t at = wrap(head_ + len_);
        buf_[at] = x;
        if (len_ == capacity_)
            head_ = wrap(head_ + 1);
        else
            ++len_;
    }

    // Takes the storage for the whole capacity now, so that no later push allocates: for an
    // owner whose data seen so far already justifies it (a window alongside that has filled).
    // False when the storage could not grow; the window is unchanged either way.
    [[nodiscard]] bool reserve_full() {
        while (buf_.size() < capacity_)
            if (!grow()) return false;
        return true;
    }

    T pop_front() {
        require(len_ > 0, "window is non-empty");
        T v = buf_[head_];
        head_ = wrap(head_ + 1);
        --len_;
        return v;
    }

    T pop_back() {
        require(len_ > 0, "window is non-empty");
        --len_;
        return buf_[wrap(head_ + len_)];
    }

    // Visits the values oldest first.
    template <class F>
    void for_each(F&& f) const {
        for_each_from(0, f);
    }
    // Visits the values from position `start` (counted from the oldest) to the newest.
    template <class F>
    void for_each_from(std::size_t start, F&& f) const {
        for_each_run_from(start, [&f](std::span<const T> run) {
            for (const T& v : run) f(v);
        });
    }
    // Visits the values from position `start` to the newest as at most two runs of adjacent
    // slots (std::span<const T>), oldest first: for loops that take several values at a time.
    template <class F>
    void for_each_run_from(std::size_t start, F&& f) const {
        require(start <= len_, "the first position visited is in the window");
        const std::size_t at = wrap(head_ + start);
        const std::size_t count = len_ - start;
        const std::size_t first = std::min(count, buf_.size() - at);
        f(std::span<const T>(buf_.data() + at, first));
        if (count > first) f(std::span<const T>(buf_.data(), count - first));
    }
    // Visits the values the window holds once x is pushed, oldest first: those held, less the
    // oldest when full, then x. Nothing changes.
    template <class F>
    void for_each_once_pushed(const T& x, F&& f) const {
        for_each_from(full() ? 1 : 0, f);
        f(x);
    }

private:
    std::size_t wrap(std::size_t i) const { return i >= buf_.size() ? i - buf_.size() : i; }

    bool grow() {
        std::size_t n = next_storage_size(buf_.size(), capacity_);
        if (n <= buf_.size()) return false;
        try {
            std::vector<T> next(n);
            for (std::size_t i = 0; i < len_; ++i) next[i] = (*this)[i];
            buf_.swap(next);
            head_ = 0;
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
    }

    std::vector<T> buf_;
    std::uint64_t capacity_;
    std::size_t head_ = 0;
    std::size_t len_ = 0;
};

}  // namespace prynox
