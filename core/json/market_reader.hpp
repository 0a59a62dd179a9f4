#pragma once
// Reading the market data of a "run" command.
#include <expected>
#include <string_view>

#include "core/json/read_error.hpp"
#include "core/model/market.hpp"

namespace prynox {

// `text` is a command whose syntax has been checked; the data is the value at byte `offset`.
std::expected<RunData, ReadError> run_data_from_value(std::string_view text, std::size_t offset);

}  // namespace prynox
