#pragma once
// The JSON command protocol: one command text in, one answer text out.
#include <expected>
#include <optional>
#include <string>
#include <string_view>

#include "core/errors/command_error.hpp"
#include "core/model/market.hpp"
#include "core/model/report.hpp"
#include "core/model/spec.hpp"

namespace prynox {

inline constexpr const char* kLibraryVersion = "0.2.0";

// Carries out `cmd_json` against the handle's specification slot, which "set_spec" replaces.
// Every outcome is an answer; nothing is thrown for bad input.
std::string run_command(std::optional<ImpactSpec>& spec, std::string_view cmd_json);

std::expected<RunResult, CommandError> run_with_spec(const std::optional<ImpactSpec>& spec, const RunData& data);

// The constructor's reading of its text: blank or "{}" (after trimming Unicode white space)
// gives no specification.
std::expected<std::optional<ImpactSpec>, CommandError> spec_from_constructor_text(std::string_view text);

std::string error_answer(const CommandError& e);

}  // namespace prynox
