#pragma once
// A running sum of terms together with the count of its non-zero terms. The sum is adjusted as
// terms leave and enter and never recomputed, so once every term is zero again it may still
// hold a rounding residue; the count says exactly when the true sum is 0, which is where the
// ratio types built on it promise a fixed answer.
#include <cstdint>

namespace prynox {

struct CountedSum {
    double sum = 0.0;
    std::uint64_t nonzero = 0;

    // The leaving term subtracted first, then the entering one added.
    CountedSum replaced(double leaving, double entering) const {
        CountedSum next{(sum - leaving) + entering, nonzero};
        if (leaving != 0.0) --next.nonzero;
        if (entering != 0.0) ++next.nonzero;
        return next;
    }
    CountedSum added(double entering) const {
        return CountedSum{sum + entering, entering != 0.0 ? nonzero + 1 : nonzero};
    }
    bool all_zero() const { return nonzero == 0; }
};

}  // namespace prynox
