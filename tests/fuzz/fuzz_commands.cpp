// Feeds arbitrary bytes to both ways a specification arrives and to the command protocol:
// nothing may crash or hang, and every answer must itself be one JSON value.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
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
