#pragma once
// Length of the run of bit-identical values ending at the newest one, capped at a limit. A
// window of the last `limit` values is constant exactly when the run reaches the limit, which
// lets a type give the exact value of a constant window whatever its running sums hold.
#include <bit>
#include <cstdint>

namespace prynox {

class EqualRun {
public:
    explicit EqualRun(std::uint64_t limit) : limit_(limit == 0 ? 1 : limit) {}

    // True when the last `limit` values (x included) are all the same.
    bool push(double x) {
        // Without a branch on the data: a first value (run 0) that matches the initial bits
        // also starts a run of 1.
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
        run_ = bits == last_ ? run_ + (run_ < limit_ ? 1 : 0) : 1;
        last_ = bits;
        return run_ == limit_;
    }

    bool constant() const { return run_ == limit_; }
    std::uint64_t run() const { return run_; }

private:
    std::uint64_t limit_;
    std::uint64_t run_ = 0;
    std::uint64_t last_ = 0;
};

}  // namespace prynox
