#pragma once
// Reading an impact specification from JSON text or from a parsed command.
#include <expected>
#include <string_view>

#include "core/json/read_error.hpp"
#include "core/model/spec.hpp"

namespace prynox {

// The whole text must be one specification (white space may follow it).
std::expected<ImpactSpec, ReadError> impact_spec_from_json(std::string_view text);

// `text` is a command whose syntax has been checked; the specification is the value that
// starts at byte `offset`.
std::expected<ImpactSpec, ReadError> impact_spec_from_value(std::string_view text, std::size_t offset);

}  // namespace prynox
