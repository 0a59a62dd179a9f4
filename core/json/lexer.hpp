#pragma once
// Byte-exact JSON scanning: the primitives every reader is built on, with the positions and
// messages users see. Errors carry the line and column of the place where reading stopped.
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

#include "core/json/read_error.hpp"

namespace prynox {

// One JSON value as far as it is a scalar; Seq and Map mark an array or object that was
// not consumed.
struct Scalar {
    enum class Kind : std::uint8_t { Null, Bool, U64, I64, F64, Str, Seq, Map };
    Kind kind = Kind::Null;
    bool b = false;
    std::uint64_t u = 0;
    std::int64_t i = 0;
    double f = 0.0;
    std::string_view str;  // valid until the lexer reads the next string

    Unexpected unexpected() const;
    bool is_number() const { return kind == Kind::U64 || kind == Kind::I64 || kind == Kind::F64; }
    double as_f64() const;
};

using Status = std::expected<void, ReadError>;

inline constexpr int kMaxDepth = 128;  // a budget: 127 nested levels are accepted

namespace syntax {
inline constexpr const char* kEofValue = "EOF while parsing a value";
inline constexpr const char* kEofList = "EOF while parsing a list";
inline constexpr const char* kEofObject = "EOF while parsing an object";
inline constexpr const char* kEofString = "EOF while parsing a string";
inline constexpr const char* kExpectedColon = "expected `:`";
inline constexpr const char* kExpectedListCommaOrEnd = "expected `,` or `]`";
inline constexpr const char* kExpectedObjectCommaOrEnd = "expected `,` or `}`";
inline constexpr const char* kExpectedIdent = "expected ident";
inline constexpr const char* kExpectedValue = "expected value";
inline constexpr const char* kKeyMustBeString = "key must be a string";
inline constexpr const char* kInvalidEscape = "invalid escape";
inline constexpr const char* kInvalidNumber = "invalid number";
inline constexpr const char* kNumberOutOfRange = "number out of range";
inline constexpr const char* kInvalidUnicode = "invalid unicode code point";
inline constexpr const char* kControlChar = "control character (\\u0000-\\u001F) found while parsing a string";
inline constexpr const char* kLoneSurrogate = "lone leading surrogate in hex escape";
inline constexpr const char* kTrailingComma = "trailing comma";
inline constexpr const char* kTrailingCharacters = "trailing characters";
inline constexpr const char* kRecursionLimit = "recursion limit exceeded";
}  // namespace syntax

class Lexer {
public:
    // with_positions: errors carry line and column (text path); without, the message alone.
    Lexer(std::string_view text, bool with_positions) : p_(text.data()), n_(text.size()), pos_(with_positions) {}

    std::size_t index() const { return i_; }
    void seek(std::size_t i) { i_ = i; }
    std::string_view text() const { return {p_, n_}; }
    bool with_positions() const { return pos_; }

    ReadError error(std::string m) const { return error_at(i_, std::move(m)); }
    ReadError peek_error(std::string m) const { return error_at(i_ < n_ ? i_ + 1 : n_, std::move(m)); }
    ReadError error_at(std::size_t index, std::string m) const;
    // Gives an error without a position the place where reading stands now.
    ReadError fix(ReadError e) const;

    // Skips white space; the next byte, or -1 at the end of the text.
    int peek_ws() {
        while (i_ < n_) {
            const char c = p_[i_];
            if (c == ' ' || c == '\n' || c == '\t' || c == '\r') {
                ++i_;
            } else {
                return static_cast<unsigned char>(c);
            }
        }
        return -1;
    }
    void eat() { ++i_; }

    // Reads a scalar at the next non-blank byte; an array or object is reported as Seq or Map
    // and left unread. Anything else is a syntax error.
    Status scalar(Scalar& out);
    // After the opening quote: the string's text (a view into the text, or into scratch).
    std::expected<std::string_view, ReadError> string_body();

    // The nesting budget of arrays and objects, checked before the bracket is consumed.
    Status enter() {
        if (--depth_ == 0) return std::unexpected(peek_error(syntax::kRecursionLimit));
        return {};
    }
    void leave() { ++depth_; }
    int depth_budget() const { return depth_; }
    void set_depth_budget(int d) { depth_ = d; }

    // Skips one whole value, checking it. depth_limited: counts its nesting against the budget.
    Status skip_value(bool depth_limited);
    // Skips one value of text that has been checked already.
    void skip_checked();
    // Skips one value: quickly when the whole text has been checked, else checking it.
    Status skip_rest() {
        if (checked_) {
            skip_checked();
            return {};
        }
        return skip_value(true);
    }
    // Declares the whole text already checked.
    void set_checked(bool checked) { checked_ = checked; }
    // The colon after an object key.
    Status colon();
    // Only white space may follow the value.
    Status end();

private:
    // convert: false when only the syntax and range matter.
    Status number(Scalar& out, bool negative_sign_seen, bool convert = true);
    Status ident(const char* rest);
    Status skip_value_impl(bool depth_limited);
    Status escape(std::string& out);

    const char* p_;
    std::size_t n_;
    std::size_t i_ = 0;
    bool pos_;
    int depth_ = kMaxDepth;
    bool convert_numbers_ = true;
    bool checked_ = false;
    std::string scratch_;
    std::string stack_;
};

}  // namespace prynox
