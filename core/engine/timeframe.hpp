#pragma once
// Bar length of a strategy's timeframe text ("15m", "1h", ...).
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

namespace prynox {

inline constexpr std::string_view kTimeframeMissingUnit = "timeframe missing unit: ";
inline constexpr std::string_view kTimeframeBadCount = "timeframe bad count: ";
inline constexpr std::string_view kTimeframeZeroCount = "timeframe count must be > 0: ";
inline constexpr std::string_view kTimeframeBadUnit = "timeframe bad unit: ";
inline constexpr std::string_view kTimeframeTooLong = "timeframe too long: ";

// Milliseconds per bar, or the refusal text naming the trimmed timeframe.
std::expected<std::uint64_t, std::string> timeframe_ms(std::string_view text);

// The text without Unicode white space at either end (UTF-8).
std::string_view trim_unicode_space(std::string_view text);

}  // namespace prynox
