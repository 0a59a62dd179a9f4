#pragma once
// A short list of the latest values, newest first: element 0 is the newest, element k the
// value pushed k steps earlier; pushing beyond the cap drops the oldest. Lives inline in its
// owner (no heap). Elements never pushed read as 0.0.
//
// A push writes one slot of a ring and its mirror Cap slots further on instead of shifting the
// list, so it costs two stores whatever the cap, and the Cap newest values always lie
// contiguously, newest first, from the head: reads index directly and loops walk a plain array.
#include <array>
#include <cstddef>
#include <span>

namespace prynox {

template <std::size_t Cap>
class NewestFirst {
    static_assert(Cap > 0, "a list holds at least one value");

public:
    void push(double v) {
        head_ = head_ == 0 ? Cap - 1 : head_ - 1;
        items_[head_] = v;
        items_[head_ + Cap] = v;
        if (size_ < Cap) ++size_;
    }
    double operator[](std::size_t k) const { return items_[head_ + k]; }
    // All Cap elements, newest first, as one contiguous run (valid until the next push).
    std::span<const double, Cap> view() const { return std::span<const double, Cap>(items_.data() + head_, Cap); }
    std::size_t size() const { return size_; }
    bool full() const { return size_ == Cap; }
    static constexpr std::size_t capacity() { return Cap; }

private:
    // Slot j and slot j + Cap always hold the same value; the list starts at head_.
    std::array<double, 2 * Cap> items_{};
    std::size_t head_ = 0;
    std::size_t size_ = 0;
};

}  // namespace prynox
