#pragma once
// Errors of checking a run and building its indicators.
#include <string>

namespace prynox {

struct EngineError {
    enum class Kind { InvalidSpec, UnknownIndicator, InvalidParameters, UndeclaredIndicator, InvalidInput };
    Kind kind = Kind::InvalidSpec;
    std::string first;   // message, type name, indicator or reference
    std::string second;  // message of InvalidParameters

    static EngineError invalid_spec(std::string m) { return {Kind::InvalidSpec, std::move(m), {}}; }
    static EngineError unknown_indicator(std::string t) { return {Kind::UnknownIndicator, std::move(t), {}}; }
    static EngineError invalid_parameters(std::string ind, std::string m) {
        return {Kind::InvalidParameters, std::move(ind), std::move(m)};
    }
    static EngineError undeclared_indicator(std::string r) { return {Kind::UndeclaredIndicator, std::move(r), {}}; }
    static EngineError invalid_input(std::string m) { return {Kind::InvalidInput, std::move(m), {}}; }

    std::string display() const;
};

}  // namespace prynox
