#pragma once
// JSON answers read back through the project's own reader, for tests that look inside them.
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/json/lexer.hpp"
#include "core/json/reader.hpp"

namespace prynox::testing {

// The whole text as a value (keys in document order); a syntax error fails the test.
inline Content parse_json(std::string_view text) {
    Lexer lx(text, true);
    Reader r(lx, true);
    Content out;
    auto read = r.content(out);
    if (read) read = lx.end();
    if (!read) throw std::runtime_error("not JSON: " + read.error().display());
    return out;
}

inline const Content& member(const Content& object, std::string_view key) {
    for (std::size_t k = 0; k < object.keys.size(); ++k)
        if (object.keys[k] == key) return object.items[k];
    throw std::runtime_error("no member " + std::string(key));
}

inline double number(const Content& v) {
    switch (v.kind) {
        case Content::Kind::U64: return static_cast<double>(v.u);
        case Content::Kind::I64: return static_cast<double>(v.i);
        case Content::Kind::F64: return v.f;
        default: throw std::runtime_error("not a number");
    }
}

}  // namespace prynox::testing
