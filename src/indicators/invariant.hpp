#pragma once
// Broken internal invariants of the indicator library. They are never caused by input data:
// a failure ends the current call with this exception, which the module boundary reports.
#include <stdexcept>

namespace prynox {

class InvariantViolation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

[[noreturn]] inline void invariant_failed(const char* what) { throw InvariantViolation(what); }

inline void require(bool condition, const char* what) {
    if (!condition) [[unlikely]]
        invariant_failed(what);
}

}  // namespace prynox
