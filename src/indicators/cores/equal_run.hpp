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
        std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
        if (run_ > 0 && bits == last_) {
            if (run_ < limit_) ++run_;
        } else {
            run_ = 1;
            last_ = bits;
        }
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
