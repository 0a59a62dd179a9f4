// Feeds arbitrary bytes to both ways a specification arrives and to the command protocol:
// nothing may crash or hang, and every answer must itself be one JSON value. Every number
// in the bytes must read as the standard library's conversion reads it.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/json/lexer.hpp"
#include "core/protocol/command.hpp"

namespace {

void expect_json(const std::string& answer) {
    prynox::Lexer lx(answer, false);
    if (!lx.skip_value(true) || !lx.end()) std::abort();
}

bool in_number(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E'; }

// The number the lexer reads from t (all of it) is the integer when one is written and fits,
// else the correctly rounded double; out of range only where that overflows, zero where it
// underflows.
void expect_standard_number(const std::string& t) {
    prynox::Lexer lx(t, false);
    prynox::Scalar s;
    const auto st = lx.scalar(s);
    const bool out_of_range = !st && st.error().message == prynox::syntax::kNumberOutOfRange;
    if (st ? !s.is_number() || lx.index() != t.size() : !out_of_range || lx.index() != t.size()) return;
    const bool neg = t[0] == '-';
    std::uint64_t u = 0;
    if (t.find_first_of(".eE") == std::string::npos && std::from_chars(t.data() + neg, t.data() + t.size(), u).ec == std::errc{}) {
        if (!neg && !(s.kind == prynox::Scalar::Kind::U64 && s.u == u)) std::abort();
        if (neg && u != 0 && u <= (std::uint64_t{1} << 63)) {
            if (!(s.kind == prynox::Scalar::Kind::I64 && static_cast<std::uint64_t>(s.i) == ~u + 1)) std::abort();
        }
        if (!neg || (u != 0 && u <= (std::uint64_t{1} << 63))) return;
    }
    double v = 0.0;
    if (std::from_chars(t.data(), t.data() + t.size(), v).ec == std::errc::result_out_of_range) {
        if (std::isinf(std::strtod(t.c_str(), nullptr)) != out_of_range) std::abort();
        if (out_of_range) return;
        v = neg ? -0.0 : 0.0;
    }
    if (out_of_range || s.kind != prynox::Scalar::Kind::F64) std::abort();
    if (std::bit_cast<std::uint64_t>(s.f) != std::bit_cast<std::uint64_t>(v)) std::abort();
}

// Each run of number characters that starts as a number does.
void expect_standard_numbers(std::string_view text) {
    for (std::size_t k = 0; k < text.size();) {
        if (!in_number(text[k])) {
            ++k;
            continue;
        }
        std::size_t end = k;
        while (end < text.size() && in_number(text[end])) ++end;
        if (text[k] == '-' || (text[k] >= '0' && text[k] <= '9')) expect_standard_number(std::string(text.substr(k, end - k)));
        k = end;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    expect_standard_numbers(text);
    std::optional<prynox::ImpactSpec> slot;
    if (auto s = prynox::spec_from_constructor_text(text); s) slot = std::move(*s);
    expect_json(prynox::run_command(slot, text));
    // Runs the fuzzed specification (when it read) against a small fixed market.
    std::string run = R"({"cmd":"run","data":{"candles":[[0,1,2,0.5,1.5,10],[1,1.5,2,1,1.8,5],[2,1.8,1.9,0.1,0.2,7]],)"
                      R"("books":[{"bids":[[1,1]],"asks":[[2,1]]},{"bids":[],"asks":[]},{"bids":[[0.1,5]],"asks":[[0.3,1]]}]}})";
    expect_json(prynox::run_command(slot, run));
    // The same text as the data of a run, against whatever specification was read.
    run = R"({"cmd":"run","data":)" + std::string(text) + "}";
    expect_json(prynox::run_command(slot, run));
    return 0;
}
