#pragma once
// The check every type that reads more of the bar than its close makes of the candle, in its
// fixed order. A type drops a failing bar without building the message: the text is only for
// callers that report it.
#include <cmath>

#include "core/model/market.hpp"

namespace prynox {

inline constexpr const char* kCandleNotFinite = "open, high, low, close must all be finite";
inline constexpr const char* kVolumeNotFinite = "volume must be finite";
inline constexpr const char* kVolumeNegative = "volume must be non-negative";
inline constexpr const char* kHighBelowLow = "high must be >= low";
inline constexpr const char* kHighBelowBody = "high must be >= open and >= close";
inline constexpr const char* kLowAboveBody = "low must be <= open and <= close";

// The message of the first check the candle fails, or null for a valid candle.
inline const char* candle_problem(const Candle& c) {
    if (!std::isfinite(c.open) || !std::isfinite(c.high) || !std::isfinite(c.low) || !std::isfinite(c.close))
        return kCandleNotFinite;
    if (!std::isfinite(c.volume)) return kVolumeNotFinite;
    if (c.volume < 0.0) return kVolumeNegative;
    if (c.high < c.low) return kHighBelowLow;
    if (c.high < c.open || c.high < c.close) return kHighBelowBody;
    if (c.low > c.open || c.low > c.close) return kLowAboveBody;
    return nullptr;
}

inline bool candle_passes(const Candle& c) { return candle_problem(c) == nullptr; }

}  // namespace prynox
