#include "indicators/harmonic_patterns/three_drives.hpp"

#include <array>
#include <cstddef>

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double ThreeDrivesRule::test(const SwingPivotTracker& t) {
    std::array<double, 7> q;
    for (std::size_t k = 0; k < q.size(); ++k) q[k] = t.from_oldest(k).price;
    constexpr RatioWindow drive{1.13, 1.75};
    if (!drive.holds(leg_ratio(q[1], q[2], q[0], q[1])) || !drive.holds(leg_ratio(q[3], q[4], q[2], q[3])) ||
        !drive.holds(leg_ratio(q[5], q[6], q[4], q[5])))
        return kNoPattern;
    if (!legs_alike(q[1], q[2], q[3], q[4], 0.2) || !legs_alike(q[3], q[4], q[5], q[6], 0.2)) return kNoPattern;
    if (!legs_alike(q[0], q[1], q[2], q[3], 0.3) || !legs_alike(q[2], q[3], q[4], q[5], 0.3)) return kNoPattern;
    return completion_signal(t);
}

}  // namespace prynox
