#include "core/engine/timeframe.hpp"

#include <array>
#include <limits>

namespace prynox {
namespace {

// UTF-8 encodings of the White_Space characters beyond ASCII.
constexpr std::array<std::string_view, 19> kWideSpaces = {
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81",
    "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86",
    "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8",
    "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80",
};

bool ascii_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::size_t leading_space(std::string_view t) {
    if (t.empty()) return 0;
    if (ascii_space(t.front())) return 1;
    for (std::string_view w : kWideSpaces) {
        if (t.starts_with(w)) return w.size();
    }
    return 0;
}

std::size_t trailing_space(std::string_view t) {
    if (t.empty()) return 0;
    if (ascii_space(t.back())) return 1;
    for (std::string_view w : kWideSpaces) {
        if (t.ends_with(w)) return w.size();
    }
    return 0;
}

std::string refusal(std::string_view prefix, std::string_view text) {
    std::string s;
    s.reserve(prefix.size() + text.size());
    s.append(prefix);
    s.append(text);
    return s;
}

std::uint64_t unit_ms(char unit) {
    switch (unit) {
        case 's': return 1000;
        case 'm': return 60000;
        case 'h': return 3600000;
        case 'd': return 86400000;
        case 'w': return 604800000;
        default: return 0;
    }
}

}  // namespace

std::string_view trim_unicode_space(std::string_view text) {
    while (std::size_t n = leading_space(text)) text.remove_prefix(n);
    while (std::size_t n = trailing_space(text)) text.remove_suffix(n);
    return text;
}

std::expected<std::uint64_t, std::string> timeframe_ms(std::string_view text) {
    const std::string_view t = trim_unicode_space(text);
    std::size_t digits = 0;
    while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9') ++digits;
    if (digits == t.size()) return std::unexpected(refusal(kTimeframeMissingUnit, t));
    if (digits == 0) return std::unexpected(refusal(kTimeframeBadCount, t));

    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t count = 0;
    for (std::size_t k = 0; k < digits; ++k) {
        const auto d = static_cast<std::uint64_t>(t[k] - '0');
        if (count > (kMax - d) / 10) return std::unexpected(refusal(kTimeframeBadCount, t));
        count = count * 10 + d;
    }
    if (count == 0) return std::unexpected(refusal(kTimeframeZeroCount, t));

    const std::string_view unit = t.substr(digits);
    const std::uint64_t ms = unit.size() == 1 ? unit_ms(unit.front()) : 0;
    if (ms == 0) return std::unexpected(refusal(kTimeframeBadUnit, t));
    if (count > kMax / ms) return std::unexpected(refusal(kTimeframeTooLong, t));
    return count * ms;
}

}  // namespace prynox
