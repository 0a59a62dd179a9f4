#pragma once
// The error of every JSON reader, and the message templates its texts are built from.
#include <cstdint>
#include <string>
#include <string_view>

namespace prynox {

struct ReadError {
    std::string message;
    bool has_position = false;
    std::uint64_t line = 0;
    std::uint64_t column = 0;

    std::string display() const;
};

// What was found where something else was expected.
struct Unexpected {
    enum class Kind : std::uint8_t { Null, Bool, Unsigned, Signed, Float, Str, Seq, Map, UnitVariant };
    Kind kind = Kind::Null;
    bool b = false;
    std::uint64_t u = 0;
    std::int64_t i = 0;
    double f = 0.0;
    std::string_view s;  // unescaped text of a string

    void append_to(std::string& out) const;
};

namespace msg {
std::string invalid_type(const Unexpected& u, std::string_view expected);
std::string invalid_value(const Unexpected& u, std::string_view expected);
std::string invalid_length(std::uint64_t len, std::string_view expected);
// names: the variants in order; two are joined by " or ", more listed after "one of ".
std::string unknown_variant(std::string_view name, const std::string_view* names, std::size_t count);
std::string missing_field(std::string_view field);
std::string duplicate_field(std::string_view field);
}  // namespace msg

}  // namespace prynox
