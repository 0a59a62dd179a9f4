#pragma once
// The last n records of K terms each, with the running sum of every term and the count of its
// non-zero entries (CountedSum): the leaving record subtracted, then the entering one added.
// With Resummed the sums are recomputed exactly from the window (from 0.0, oldest first) once
// every n pushes, which bounds their drift; without it they are never recomputed. Either way a
// sum may keep a rounding residue once its window holds only zeros, and the count says exactly
// when that is so. A record whose running sums would not be finite is refused with nothing
// changed (a term that is not finite among them), so that one huge record cannot poison the sums
// for the rest of the run.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "indicators/cores/counted_sum.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

template <std::size_t K, bool Resummed>
class CountedWindow {
public:
    using Terms = std::array<double, K>;
    using Sums = std::array<CountedSum, K>;

    explicit CountedWindow(std::uint64_t length) : window_(length) {}

    // The sums once t is taken, or none when one of them would not be finite. Taking t with
    // push() gives these sums (before any recomputation).
    std::optional<Sums> next(const Terms& t) const {
        Sums s;
        const bool full = window_.full();
        for (std::size_t k = 0; k < K; ++k) {
            s[k] = full ? sums_[k].replaced(window_.oldest()[k], t[k]) : sums_[k].added(t[k]);
            if (!std::isfinite(s[k].sum)) [[unlikely]]
                return std::nullopt;
        }
        return s;
    }

    // Takes t; false, with nothing changed, when next(t) has none or the window's storage could
    // not grow.
    [[nodiscard]] bool push(const Terms& t) {
        const auto s = next(t);
        if (!s || !window_.push(t)) [[unlikely]]
            return false;
        sums_ = *s;
        if constexpr (Resummed) {
            if (++pushes_ >= window_.capacity()) [[unlikely]]
                resum();
        }
        return true;
    }

    // Makes sure the next push cannot fail for want of storage.
    [[nodiscard]] bool make_room() { return window_.make_room(); }

    const CountedSum& sum(std::size_t k) const { return sums_[k]; }
    std::size_t size() const { return window_.size(); }
    std::uint64_t length() const { return window_.capacity(); }
    bool full() const { return window_.full(); }
    // Full once one more record is taken.
    bool full_after_push() const { return window_.size() + 1 >= window_.capacity(); }

private:
    void resum() {
        for (std::size_t k = 0; k < K; ++k) {
            double s = 0.0;
            window_.for_each([&s, k](const Terms& t) { s += t[k]; });
            if (std::isfinite(s)) sums_[k].sum = s;
        }
        pushes_ = 0;
    }

    RollingWindow<Terms> window_;
    Sums sums_{};
    std::uint64_t pushes_ = 0;
};

}  // namespace prynox
