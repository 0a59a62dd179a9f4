#pragma once
// A short list of the latest values, newest first: element 0 is the newest, element k the
// value pushed k steps earlier; pushing beyond the cap drops the oldest. Lives inline in its
// owner (no heap).
#include <array>
#include <cstddef>

namespace prynox {

template <std::size_t Cap>
class NewestFirst {
public:
    void push(double v) {
        head_ = head_ == 0 ? Cap - 1 : head_ - 1;
        items_[head_] = v;
        if (size_ < Cap) ++size_;
    }
    double operator[](std::size_t k) const {
        std::size_t i = head_ + k;
        return items_[i >= Cap ? i - Cap : i];
    }
    std::size_t size() const { return size_; }
    bool full() const { return size_ == Cap; }
    static constexpr std::size_t capacity() { return Cap; }

private:
    std::array<double, Cap> items_{};
    std::size_t head_ = 0;
    std::size_t size_ = 0;
};

}  // namespace prynox
