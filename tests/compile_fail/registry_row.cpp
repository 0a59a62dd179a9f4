// Builder rows that must not compile: the build of each variant is a test that is expected to
// fail; the variant without a flag is the control that builds.
#include <cstdint>
#include <span>

#include "core/registry/registry_entry.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

struct TradeFed {
    static std::expected<TradeFed, IndicatorError> create(std::uint64_t) { return TradeFed{}; }
    OptionalValue update_trades(std::span<const TradePrint>) { return {}; }
    std::uint64_t warmup_period() const { return 1; }
};

#if defined(PRYNOX_WRONG_KIND)
// Sma reads a window ('P'); a constructor taking a real does not fit.
constexpr BuilderRow kRow = row<"Sma", [](double period) { return Sma::create(static_cast<std::uint64_t>(period)); }>();
#elif defined(PRYNOX_WRONG_COUNT)
// Alma reads three parameters.
constexpr BuilderRow kRow = row<"Alma", Sma::create>();
#elif defined(PRYNOX_WRONG_FEED)
// Sma is fed by candles, not by trade prints.
constexpr BuilderRow kRow = row<"Sma", TradeFed::create>();
#elif defined(PRYNOX_UNKNOWN_TYPE)
constexpr BuilderRow kRow = row<"Smaa", Sma::create>();
#else
constexpr BuilderRow kRow = row<"Sma", Sma::create>();
#endif

BuilderRow compiled_row() { return kRow; }

}  // namespace prynox
