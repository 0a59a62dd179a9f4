#pragma once
// Whether every value pushed so far is bit-identical to the first. Seeded averages of a
// constant input drift in the last bits (a seed mean of N copies of x need not be x), so an
// owner that promises an exact answer for a constant series asks this instead of its stages.
#include <bit>
#include <cstdint>

namespace prynox {

class ConstantSeries {
public:
    void push(double x) {
        if (varied_) [[likely]]
            return;
        std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
        if (!started_) {
            started_ = true;
            first_ = bits;
        } else if (bits != first_) {
            varied_ = true;
        }
    }
    // True before any push.
    bool constant() const { return !varied_; }

private:
    std::uint64_t first_ = 0;
    bool started_ = false;
    bool varied_ = false;
};

}  // namespace prynox
