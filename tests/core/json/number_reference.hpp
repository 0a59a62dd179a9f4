#pragma once
// A JSON number as the lexer reads it, and as the standard library's conversion reads it: for
// the number test and the command fuzzer.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

#include "core/json/lexer.hpp"

namespace prynox {

// Its kind and bits, or the error message and its column.
using NumberRead = std::tuple<std::string, std::uint64_t, Scalar::Kind, std::uint64_t>;

// The scalar at the start of the text, and where the lexer stopped.
inline std::pair<NumberRead, std::size_t> lex_number(const std::string& text) {
    Lexer lx(text, true);
    Scalar s;
    if (auto st = lx.scalar(s); !st) return {{st.error().message, st.error().column, Scalar::Kind::Null, 0}, lx.index()};
    const std::uint64_t bits = s.kind == Scalar::Kind::U64   ? s.u
                               : s.kind == Scalar::Kind::I64 ? static_cast<std::uint64_t>(s.i)
                                                             : std::bit_cast<std::uint64_t>(s.f);
    return {{"", 0, s.kind, bits}, lx.index()};
}

// What a well-formed number means: an integer when written as one and it fits, else the
// correctly rounded double, out of range where that overflows, zero where it underflows.
inline NumberRead reference_number(const std::string& text) {
    const bool neg = text[0] == '-';
    const char *first = text.data(), *last = first + text.size();
    std::uint64_t u = 0;
    if (text.find_first_of(".eE") == std::string::npos && std::from_chars(first + neg, last, u).ec == std::errc{}) {
        if (!neg) return {"", 0, Scalar::Kind::U64, u};
        if (u != 0 && u <= (std::uint64_t{1} << 63)) return {"", 0, Scalar::Kind::I64, ~u + 1};
    }
    double v = 0.0;
    if (std::from_chars(first, last, v).ec == std::errc::result_out_of_range) {
        if (std::isinf(std::strtod(first, nullptr))) return {syntax::kNumberOutOfRange, text.size(), Scalar::Kind::Null, 0};
        v = neg ? -0.0 : 0.0;
    }
    return {"", 0, Scalar::Kind::F64, std::bit_cast<std::uint64_t>(v)};
}

}  // namespace prynox
