#pragma once
// A short list of the latest values, newest first: element 0 is the newest, element k the
// value pushed k steps earlier; pushing beyond the cap drops the oldest. Lives inline in its
// owner (no heap); the lists are short, so a push shifts them and reads index directly.
#include <array>
#include <cstddef>

namespace prynox {

template <std::size_t Cap>
class NewestFirst {
public:
    void push(double v) {
        for (std::size_t i = Cap - 1; i > 0; --i) items_[i] = items_[i - 1];
        items_[0] = v;
        if (size_ < Cap) ++size_;
    }
    double operator[](std::size_t k) const { return items_[k]; }
    std::size_t size() const { return size_; }
    bool full() const { return size_ == Cap; }
    static constexpr std::size_t capacity() { return Cap; }

private:
    std::array<double, Cap> items_{};
    std::size_t size_ = 0;
};

}  // namespace prynox
