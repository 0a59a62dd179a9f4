#pragma once
// The error of a command, answered as {"ok":false,"error":"..."}.
#include <string>

namespace prynox {

struct CommandError {
    enum class Kind { Parse = 0, BadSpec = 1, Data = 2, Backtest = 3 };
    Kind kind = Kind::Parse;
    std::string detail;

    static CommandError parse(std::string d) { return {Kind::Parse, std::move(d)}; }
    static CommandError bad_spec(std::string d) { return {Kind::BadSpec, std::move(d)}; }
    static CommandError data(std::string d) { return {Kind::Data, std::move(d)}; }
    static CommandError backtest(std::string d) { return {Kind::Backtest, std::move(d)}; }

    std::string display() const;
};

}  // namespace prynox
