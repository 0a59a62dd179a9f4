#include "core/json/lexer.hpp"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include <fast_float/fast_float.h>

namespace prynox {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void append_utf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at s (at most n bytes), or 0.
std::size_t utf8_length(const unsigned char* s, std::size_t n) {
    const unsigned char c = s[0];
    std::size_t len;
    std::uint32_t min;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2; min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3; min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4; min = 0x10000;
    } else {
        return 0;
    }
    if (n < len) return 0;
    std::uint32_t cp = c & (0x3F >> (len - 1));
    for (std::size_t k = 1; k < len; ++k) {
        if ((s[k] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (s[k] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

Unexpected Scalar::unexpected() const {
    Unexpected u;
    switch (kind) {
        case Kind::Null: u.kind = Unexpected::Kind::Null; break;
        case Kind::Bool: u.kind = Unexpected::Kind::Bool; u.b = b; break;
        case Kind::U64: u.kind = Unexpected::Kind::Unsigned; u.u = this->u; break;
        case Kind::I64: u.kind = Unexpected::Kind::Signed; u.i = i; break;
        case Kind::F64: u.kind = Unexpected::Kind::Float; u.f = f; break;
        case Kind::Str: u.kind = Unexpected::Kind::Str; u.s = str; break;
        case Kind::Seq: u.kind = Unexpected::Kind::Seq; break;
        case Kind::Map: u.kind = Unexpected::Kind::Map; break;
    }
    return u;
}

double Scalar::as_f64() const {
    switch (kind) {
        case Kind::U64: return static_cast<double>(u);
        case Kind::I64: return static_cast<double>(i);
        default: return f;
    }
}

ReadError Lexer::error_at(std::size_t index, std::string m) const {
    ReadError e;
    e.message = std::move(m);
    if (!pos_) return e;
    if (index > n_) index = n_;
    std::size_t line = 1;
    std::size_t line_start = 0;
    for (std::size_t k = 0; k < index; ++k) {
        if (p_[k] == '\n') {
            ++line;
            line_start = k + 1;
        }
    }
    e.has_position = true;
    e.line = line;
    e.column = index - line_start;
    return e;
}

ReadError Lexer::fix(ReadError e) const {
    if (!pos_ || e.has_position) return e;
    return error_at(i_, std::move(e.message));
}

Status Lexer::ident(const char* rest) {
    for (; *rest; ++rest) {
        if (i_ >= n_) return std::unexpected(error(syntax::kEofValue));
        if (p_[i_++] != *rest) return std::unexpected(error(syntax::kExpectedIdent));
    }
    return {};
}

Status Lexer::escape(std::string& out) {
    if (i_ >= n_) return std::unexpected(error(syntax::kEofString));
    const char c = p_[i_++];
    switch (c) {
        case '"': out += '"'; return {};
        case '\\': out += '\\'; return {};
        case '/': out += '/'; return {};
        case 'b': out += '\b'; return {};
        case 'f': out += '\f'; return {};
        case 'n': out += '\n'; return {};
        case 'r': out += '\r'; return {};
        case 't': out += '\t'; return {};
        case 'u': break;
        default: return std::unexpected(error(syntax::kInvalidEscape));
    }
    auto hex4 = [this]() -> std::expected<std::uint32_t, ReadError> {
        if (n_ - i_ < 4) {
            i_ = n_;
            return std::unexpected(error(syntax::kEofString));
        }
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const int h = hex_value(p_[i_++]);
            if (h < 0) return std::unexpected(error(syntax::kInvalidEscape));
            v = (v << 4) | static_cast<std::uint32_t>(h);
        }
        return v;
    };
    auto first = hex4();
    if (!first) return std::unexpected(first.error());
    const std::uint32_t n1 = *first;
    if (n1 >= 0xDC00 && n1 <= 0xDFFF) return std::unexpected(error(syntax::kLoneSurrogate));
    if (n1 < 0xD800 || n1 > 0xDBFF) {
        append_utf8(out, n1);
        return {};
    }
    if (i_ >= n_) return std::unexpected(error(syntax::kEofString));
    if (p_[i_] != '\\') {
        ++i_;
        return std::unexpected(error("unexpected end of hex escape"));
    }
    ++i_;
    if (i_ >= n_) return std::unexpected(error(syntax::kEofString));
    if (p_[i_] != 'u') {
        ++i_;
        return std::unexpected(error("unexpected end of hex escape"));
    }
    ++i_;
    auto second = hex4();
    if (!second) return std::unexpected(second.error());
    const std::uint32_t n2 = *second;
    if (n2 < 0xDC00 || n2 > 0xDFFF) return std::unexpected(error(syntax::kLoneSurrogate));
    append_utf8(out, (((n1 - 0xD800) << 10) | (n2 - 0xDC00)) + 0x10000);
    return {};
}

std::expected<std::string_view, ReadError> Lexer::string_body() {
    const std::size_t start = i_;
    const auto* u = reinterpret_cast<const unsigned char*>(p_);
    while (i_ < n_) {
        const unsigned char c = u[i_];
        if (c == '"') {
            ++i_;
            return std::string_view(p_ + start, i_ - 1 - start);
        }
        if (c == '\\') break;
        if (c < 0x20) {
            ++i_;
            return std::unexpected(error(syntax::kControlChar));
        }
        if (c >= 0x80) {
            const std::size_t len = utf8_length(u + i_, n_ - i_);
            if (len == 0) {
                ++i_;
                return std::unexpected(error(syntax::kInvalidUnicode));
            }
            i_ += len;
        } else {
            ++i_;
        }
    }
    if (i_ >= n_) return std::unexpected(error(syntax::kEofString));
    scratch_.assign(p_ + start, i_ - start);
    for (;;) {
        if (i_ >= n_) return std::unexpected(error(syntax::kEofString));
        const unsigned char c = u[i_];
        if (c == '"') {
            ++i_;
            return std::string_view(scratch_);
        }
        if (c == '\\') {
            ++i_;
            if (auto s = escape(scratch_); !s) return std::unexpected(s.error());
        } else if (c < 0x20) {
            ++i_;
            return std::unexpected(error(syntax::kControlChar));
        } else if (c >= 0x80) {
            const std::size_t len = utf8_length(u + i_, n_ - i_);
            if (len == 0) {
                ++i_;
                return std::unexpected(error(syntax::kInvalidUnicode));
            }
            scratch_.append(p_ + i_, len);
            i_ += len;
        } else {
            scratch_ += static_cast<char>(c);
            ++i_;
        }
    }
}

namespace {

static_assert(std::endian::native == std::endian::little, "digit words are read first byte lowest");

// The value of eight digits held one per byte, the first in the lowest byte, '0' taken off.
std::uint64_t eight_digit_value(std::uint64_t v) {
    v = (v * 10) + (v >> 8);
    return ((((v & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
             (((v >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >> 32) & 0xFFFFFFFF;
}

// Digits from p while they last, into w (which wraps once there are more than 19). A word of
// eight bytes at a time: where the run of digits ends is found from the word, without a
// branch per digit, whose misprediction at the end of each run would cost more than the digits.
const char* scan_digits(const char* p, const char* end, std::uint64_t& w) {
    static constexpr std::uint64_t kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
    while (end - p >= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        // A byte's top bit is set here when it is no digit; bytes past the first non-digit
        // may be disturbed by carries, and are never looked at.
        const std::uint64_t non_digits = ((v + 0x4646464646464646) | (v - 0x3030303030303030)) & 0x8080808080808080;
        v -= 0x3030303030303030;
        if (non_digits == 0) {
            w = w * 100000000 + eight_digit_value(v);
            p += 8;
            continue;
        }
        const int n = std::countr_zero(non_digits) >> 3;
        if (n > 0) w = w * kScale[n] + eight_digit_value(v << (64 - 8 * n));  // leading zeros below
        return p + n;
    }
    while (p < end && is_digit(*p)) {
        w = w * 10 + static_cast<std::uint64_t>(*p - '0');
        ++p;
    }
    return p;
}

// The double nearest to w * 10^q where the shortcut below does not apply, or false where
// the digits themselves must be looked at again (a value within a hair of halfway between
// two doubles). Kept out of line: the common case of short decimals stays small.
[[gnu::noinline]] bool nearest_double_slow(std::uint64_t w, std::int64_t q, bool negative, double& out) {
    const fast_float::adjusted_mantissa am = fast_float::compute_float<fast_float::binary_format<double>>(q, w);
    if (am.power2 < 0) return false;
    fast_float::to_float(negative, am, out);
    return true;
}

// The double nearest to w * 10^q (w exact, at most 19 digits), or false as above.
inline bool nearest_double(std::uint64_t w, std::int64_t q, bool negative, double& out) {
    if (w <= (std::uint64_t{1} << 53) && q >= -22 && q <= 22) {
        // Both operands are exact doubles, so one multiplication or division rounds correctly.
        static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        double v = static_cast<double>(w);
        v = q < 0 ? v / kPow10[-q] : v * kPow10[q];
        out = negative ? -v : v;
        return true;
    }
    return nearest_double_slow(w, q, negative, out);
}

}  // namespace

Status Lexer::number(Scalar& out, bool neg, bool convert) {
    // One pass over the text: the grammar is checked and the significant digits gathered as
    // they are met. Only numbers of more than 19 digits, and the rare values too close to
    // halfway for the gathered digits to settle, are converted from the text again.
    const char* const begin = p_;
    const char* const stop = p_ + n_;
    const char* q = p_ + i_;
    const char* const start = neg ? q - 1 : q;
    const auto fail = [&](const char* at, const char* m, bool peek) -> Status {
        i_ = static_cast<std::size_t>(at - begin);
        return std::unexpected(peek ? peek_error(m) : error(m));
    };
    if (q >= stop) return fail(q, syntax::kInvalidNumber, false);
    if (!is_digit(*q)) return fail(q + 1, syntax::kInvalidNumber, false);
    const char* const int_start = q;
    std::uint64_t w = 0;
    if (*q == '0') {
        ++q;
        if (q < stop && is_digit(*q)) return fail(q, syntax::kInvalidNumber, true);
    } else {
        q = scan_digits(q, stop, w);
    }
    const std::size_t int_digits = static_cast<std::size_t>(q - int_start);
    std::size_t frac_digits = 0;
    bool is_float = false;
    if (q < stop && *q == '.') {
        ++q;
        if (q >= stop) return fail(q, syntax::kEofValue, true);
        if (!is_digit(*q)) return fail(q, syntax::kInvalidNumber, true);
        const char* const frac_start = q;
        q = scan_digits(q, stop, w);
        frac_digits = static_cast<std::size_t>(q - frac_start);
        is_float = true;
    }
    int exp10 = 0;
    bool has_exponent = false;
    if (q < stop && (*q == 'e' || *q == 'E')) {
        ++q;
        bool exp_neg = false;
        if (q < stop && (*q == '+' || *q == '-')) exp_neg = *q++ == '-';
        if (q >= stop) return fail(q, syntax::kEofValue, false);
        if (!is_digit(*q)) return fail(q + 1, syntax::kInvalidNumber, false);
        while (q < stop && is_digit(*q)) {
            // Past 10^5 the value is zero or out of range whatever the digits: stop counting.
            if (exp10 < 100000) exp10 = exp10 * 10 + (*q - '0');
            ++q;
        }
        if (exp_neg) exp10 = -exp10;
        is_float = true;
        has_exponent = true;
    }
    i_ = static_cast<std::size_t>(q - begin);
    if (!convert && !has_exponent && int_digits < 300) {
        // Too small in magnitude to leave the range of a double.
        out.kind = is_float || int_digits > 20 ? Scalar::Kind::F64 : Scalar::Kind::U64;
        return {};
    }
    if (!is_float && int_digits <= 20) {
        bool fits = int_digits <= 19;
        if (!fits) {
            // Twenty digits: the first nineteen are exact, the last may carry past 2^64.
            std::uint64_t high = 0;
            for (const char* k = int_start; k < int_start + 19; ++k) high = high * 10 + static_cast<std::uint64_t>(*k - '0');
            const std::uint64_t d = static_cast<std::uint64_t>(int_start[19] - '0');
            fits = high <= (std::numeric_limits<std::uint64_t>::max() - d) / 10;
            w = high * 10 + d;
        }
        if (fits) {
            if (!neg) {
                out.kind = Scalar::Kind::U64;
                out.u = w;
            } else if (w == 0) {
                out.kind = Scalar::Kind::F64;  // "-0" has no integer form
                out.f = -0.0;
            } else if (w <= (std::uint64_t{1} << 63)) {
                out.kind = Scalar::Kind::I64;
                out.i = static_cast<std::int64_t>(~w + 1);
            } else {
                out.kind = Scalar::Kind::F64;
                out.f = -static_cast<double>(w);
            }
            return {};
        }
    }
    double v = 0.0;
    if (int_digits + frac_digits > 19 ||
        !nearest_double(w, static_cast<std::int64_t>(exp10) - static_cast<std::int64_t>(frac_digits), neg, v)) {
        fast_float::from_chars(start, q, v);
    }
    if (std::isinf(v)) return std::unexpected(error(syntax::kNumberOutOfRange));
    out.kind = Scalar::Kind::F64;
    out.f = v;
    return {};
}

Status Lexer::scalar(Scalar& out) {
    const int c = peek_ws();
    switch (c) {
        case -1: return std::unexpected(peek_error(syntax::kEofValue));
        case 'n':
            eat();
            out.kind = Scalar::Kind::Null;
            return ident("ull");
        case 't':
            eat();
            out.kind = Scalar::Kind::Bool;
            out.b = true;
            return ident("rue");
        case 'f':
            eat();
            out.kind = Scalar::Kind::Bool;
            out.b = false;
            return ident("alse");
        case '-': eat(); return number(out, true, convert_numbers_);
        case '"': {
            eat();
            auto s = string_body();
            if (!s) return std::unexpected(s.error());
            out.kind = Scalar::Kind::Str;
            out.str = *s;
            return {};
        }
        case '[': out.kind = Scalar::Kind::Seq; return {};
        case '{': out.kind = Scalar::Kind::Map; return {};
        default:
            if (c >= '0' && c <= '9') return number(out, false, convert_numbers_);
            return std::unexpected(peek_error(syntax::kExpectedValue));
    }
}

Status Lexer::colon() {
    const int c = peek_ws();
    if (c == ':') {
        eat();
        return {};
    }
    return std::unexpected(peek_error(c < 0 ? syntax::kEofObject : syntax::kExpectedColon));
}

Status Lexer::end() {
    if (peek_ws() >= 0) return std::unexpected(peek_error(syntax::kTrailingCharacters));
    return {};
}

Status Lexer::skip_value(bool limited) {
    convert_numbers_ = false;
    auto s = skip_value_impl(limited);
    convert_numbers_ = true;
    return s;
}

void Lexer::skip_checked() {
    int depth = 0;
    for (;;) {
        const int c = peek_ws();
        if (c < 0) return;
        if (c == '"') {
            ++i_;
            for (;;) {
                const void* q = std::memchr(p_ + i_, '"', n_ - i_);
                if (q == nullptr) {
                    i_ = n_;
                    return;
                }
                std::size_t j = static_cast<std::size_t>(static_cast<const char*>(q) - p_);
                std::size_t backslashes = 0;
                while (j - backslashes > i_ && p_[j - backslashes - 1] == '\\') ++backslashes;
                i_ = j + 1;
                if (backslashes % 2 == 0) break;
            }
        } else if (c == '[' || c == '{') {
            ++i_;
            ++depth;
            continue;
        } else if (c == ']' || c == '}') {
            ++i_;
            --depth;
        } else if (c == ',' || c == ':') {
            ++i_;
            continue;
        } else {
            while (i_ < n_) {
                const char d = p_[i_];
                if (d == ',' || d == ']' || d == '}' || d == ' ' || d == '\n' || d == '\t' || d == '\r') break;
                ++i_;
            }
        }
        if (depth <= 0) return;
    }
}

Status Lexer::skip_value_impl(bool limited) {
    stack_.clear();
    Scalar tmp;
    auto key_and_colon = [this]() -> Status {
        eat();
        if (auto s = string_body(); !s) return std::unexpected(s.error());
        return colon();
    };
    for (;;) {
        const int c = peek_ws();
        if (c == '[' || c == '{') {
            if (limited) {
                if (auto s = enter(); !s) return s;
            }
            eat();
            stack_.push_back(static_cast<char>(c));
            const int d = peek_ws();
            if (c == '[') {
                if (d < 0) return std::unexpected(peek_error(syntax::kEofList));
                if (d != ']') continue;
            } else {
                if (d == '"') {
                    if (auto s = key_and_colon(); !s) return s;
                    continue;
                }
                if (d < 0) return std::unexpected(peek_error(syntax::kEofObject));
                if (d != '}') return std::unexpected(peek_error(syntax::kKeyMustBeString));
            }
            // an empty container closes at once
            eat();
            if (limited) leave();
            stack_.pop_back();
        } else {
            if (auto s = scalar(tmp); !s) return s;
        }
        // after a value: close containers until another value is due
        for (;;) {
            if (stack_.empty()) return {};
            const char top = stack_.back();
            const int d = peek_ws();
            if (d == ',') {
                eat();
                const int e = peek_ws();
                if (top == '[') {
                    if (e == ']') return std::unexpected(peek_error(syntax::kTrailingComma));
                    if (e < 0) return std::unexpected(peek_error(syntax::kEofValue));
                } else {
                    if (e == '}') return std::unexpected(peek_error(syntax::kTrailingComma));
                    if (e < 0) return std::unexpected(peek_error(syntax::kEofValue));
                    if (e != '"') return std::unexpected(peek_error(syntax::kKeyMustBeString));
                    if (auto s = key_and_colon(); !s) return s;
                }
                break;
            }
            if (d == (top == '[' ? ']' : '}')) {
                eat();
                if (limited) leave();
                stack_.pop_back();
                continue;
            }
            if (d < 0) return std::unexpected(peek_error(top == '[' ? syntax::kEofList : syntax::kEofObject));
            return std::unexpected(
                peek_error(top == '[' ? syntax::kExpectedListCommaOrEnd : syntax::kExpectedObjectCommaOrEnd));
        }
    }
}

}  // namespace prynox
