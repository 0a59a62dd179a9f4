#pragma once
// Reading the market data of a "run" command.
#include <expected>
#include <string_view>

#include "core/json/lexer.hpp"
#include "core/json/read_error.hpp"
#include "core/model/market.hpp"

namespace prynox {

// Reads the value at the lexer's position. Reading errors carry no position; a syntax error
// met on the way (when the text has not been checked beforehand) carries its position.
Status read_run_data(Lexer& lx, RunData& out);

// `text` is a command whose syntax has been checked; the data is the value at byte `offset`.
std::expected<RunData, ReadError> run_data_from_value(std::string_view text, std::size_t offset);

}  // namespace prynox
