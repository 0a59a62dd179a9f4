// Feeds arbitrary bytes to both ways a specification arrives and to the command protocol:
// nothing may crash or hang, and every answer must itself be one JSON value. Every number
// in the bytes must read as the standard library's conversion reads it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "../core/json/number_reference.hpp"
#include "core/json/lexer.hpp"
#include "core/protocol/command.hpp"

namespace {

void expect_json(const std::string& answer) {
    prynox::Lexer lx(answer, false);
    if (!lx.skip_value(true) || !lx.end()) std::abort();
}

bool in_number(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E'; }

// Every number in the bytes (each run of number characters that starts as a number does)
// reads as the standard library's conversion reads it.
void expect_standard_numbers(std::string_view text) {
    for (std::size_t k = 0; k < text.size();) {
        if (!in_number(text[k])) {
            ++k;
            continue;
        }
        std::size_t end = k;
        while (end < text.size() && in_number(text[end])) ++end;
        const std::string t(text.substr(k, end - k));
        if (t[0] == '-' || (t[0] >= '0' && t[0] <= '9')) {
            // Read whole (with a few of the bytes after it, as digits are read by the word), or out of
            // range at its end: then it means what the standard conversion says.
            const auto [read, stop] = prynox::lex_number(t + std::string(text.substr(end, 16)));
            const std::string& error = std::get<0>(read);
            if (stop == t.size() && (error.empty() || error == prynox::syntax::kNumberOutOfRange) &&
                read != prynox::reference_number(t)) {
                std::abort();
            }
        }
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
