#pragma once
// Largest and smallest of the last N pushed values in O(1) per push, by the total order of
// doubles: the block scheme of HighLowExtremes over one series. Gives exactly what a scan of the
// window would.
#include <cstddef>
#include <cstdint>

#include "indicators/cores/high_low_extremes.hpp"

namespace prynox {

class WindowExtremes {
public:
    explicit WindowExtremes(std::uint64_t length) : blocks_(length) {}

    // Makes sure the next push cannot allocate; false when the storage could not grow.
    [[nodiscard]] bool make_room() { return blocks_.make_room(); }

    // Storage for a full window now, so that no later push allocates. For an owner to call once
    // `length` values have been pushed.
    [[nodiscard]] bool reserve_full() { return blocks_.reserve_full(); }

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double x) { return blocks_.push(x, x); }

    // The largest and smallest value once x were pushed, changing nothing: for an owner that may
    // still turn x away. The next push must have room (make_room).
    Extremes once_pushed(double x) const { return blocks_.once_pushed(x, x); }

    double max() const { return blocks_.high(); }
    double min() const { return blocks_.low(); }
    std::uint64_t length() const { return blocks_.length(); }
    // Values pushed so far, counted up to the length.
    std::uint64_t pushed() const { return blocks_.pushed(); }
    bool full() const { return blocks_.full(); }
    // Positions with storage (grows with the values seen, never beyond the length).
    std::size_t storage() const { return blocks_.storage(); }

private:
    HighLowExtremes blocks_;
};

}  // namespace prynox
