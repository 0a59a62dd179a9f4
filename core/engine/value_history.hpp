#pragma once
// The per-bar values that rules can read: one value and one presence bit per slot and bar.
// Only as many rows are kept as the rules reach back; with a reach as long as the run, every
// bar keeps its row.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace prynox {

class ValueHistory {
public:
    ValueHistory() = default;
    // slots: the number of distinct keys rules read; bars: the run's candle count; reach: how
    // many bars before the current one any rule reads.
    ValueHistory(std::size_t slots, std::size_t bars, std::uint64_t reach);

    std::size_t slots() const { return slots_; }
    std::size_t rows() const { return rows_; }

    // Starts the row of a bar: no slot present yet.
    void begin_bar(std::size_t bar) {
        if (words_ == 0) return;
        std::uint64_t* p = present_.data() + (bar & mask_) * words_;
        for (std::size_t w = 0; w < words_; ++w) p[w] = 0;
    }

    void set(std::size_t bar, std::uint32_t slot, double v) {
        const std::size_t row = bar & mask_;
        values_[row * slots_ + slot] = v;
        present_[row * words_ + (slot >> 6)] |= std::uint64_t{1} << (slot & 63);
    }

    bool get(std::size_t bar, std::uint32_t slot, double& out) const {
        const std::size_t row = bar & mask_;
        if (((present_[row * words_ + (slot >> 6)] >> (slot & 63)) & 1) == 0) return false;
        out = values_[row * slots_ + slot];
        return true;
    }

private:
    std::size_t slots_ = 0;
    std::size_t words_ = 0;
    std::size_t rows_ = 0;
    std::size_t mask_ = ~std::size_t{0};
    std::vector<double> values_;
    std::vector<std::uint64_t> present_;
};

inline ValueHistory::ValueHistory(std::size_t slots, std::size_t bars, std::uint64_t reach)
    : slots_(slots), words_((slots + 63) / 64) {
    if (slots == 0 || bars == 0) {
        slots_ = 0;
        words_ = 0;
        return;
    }
    rows_ = bars;
    mask_ = ~std::size_t{0};
    // A ring of a power-of-two number of rows when the rules read only a short way back.
    if (reach < bars / 2) {
        const std::size_t ring = std::bit_ceil(static_cast<std::size_t>(reach) + 1);
        if (ring < bars) {
            rows_ = ring;
            mask_ = ring - 1;
        }
    }
    if (rows_ > SIZE_MAX / 8 / slots_) throw std::bad_alloc();
    values_.assign(rows_ * slots_, 0.0);
    present_.assign(rows_ * words_, 0);
}

}  // namespace prynox
