// Registry rows of the Fibonacci levels over swings and the pitchfork. Only AndrewsPitchfork
// takes a parameter; the others ignore any given.
#include "core/registry/families.hpp"
#include "indicators/fibonacci_levels/andrews_pitchfork.hpp"
#include "indicators/fibonacci_levels/auto_fib.hpp"
#include "indicators/fibonacci_levels/fib_arcs.hpp"
#include "indicators/fibonacci_levels/fib_channel.hpp"
#include "indicators/fibonacci_levels/fib_confluence.hpp"
#include "indicators/fibonacci_levels/fib_extension.hpp"
#include "indicators/fibonacci_levels/fib_fan.hpp"
#include "indicators/fibonacci_levels/fib_projection.hpp"
#include "indicators/fibonacci_levels/fib_retracement.hpp"
#include "indicators/fibonacci_levels/fib_time_zones.hpp"
#include "indicators/fibonacci_levels/golden_pocket.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AndrewsPitchfork", AndrewsPitchfork::create>(),
    row<"AutoFib", AutoFib::create>(),
    row<"FibArcs", FibArcs::create>(),
    row<"FibChannel", FibChannel::create>(),
    row<"FibConfluence", FibConfluence::create>(),
    row<"FibExtension", FibExtension::create>(),
    row<"FibFan", FibFan::create>(),
    row<"FibProjection", FibProjection::create>(),
    row<"FibRetracement", FibRetracement::create>(),
    row<"FibTimeZones", FibTimeZones::create>(),
    row<"GoldenPocket", GoldenPocket::create>(),
};

}  // namespace

std::span<const BuilderRow> fibonacci_levels() { return kRows; }

}  // namespace prynox::registry_family
