#include "core/json/read_error.hpp"

#include <charconv>

#include "core/text/float_text.hpp"

namespace prynox {
namespace {

void append_uint(std::string& out, std::uint64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void append_int(std::string& out, std::int64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

// Strings inside messages are quoted with the escapes a reader would type.
void append_debug_string(std::string& out, std::string_view s) {
    static const char* hex = "0123456789abcdef";
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\0': out += "\\0"; break;
            default:
                if (c < 0x20 || c == 0x7f) {
                    out += "\\u{";
                    if (c >= 0x10) out += hex[c >> 4];
                    out += hex[c & 15];
                    out += '}';
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
}

std::string with_expected(std::string head, std::string_view expected) {
    head += ", expected ";
    head += expected;
    return head;
}

}  // namespace

std::string ReadError::display() const {
    if (!has_position) return message;
    std::string s = message;
    s += " at line ";
    append_uint(s, line);
    s += " column ";
    append_uint(s, column);
    return s;
}

void Unexpected::append_to(std::string& out) const {
    switch (kind) {
        case Kind::Null: out += "null"; break;
        case Kind::Bool: out += b ? "boolean `true`" : "boolean `false`"; break;
        case Kind::Unsigned: out += "integer `"; append_uint(out, u); out += '`'; break;
        case Kind::Signed: out += "integer `"; append_int(out, i); out += '`'; break;
        case Kind::Float: out += "floating point `"; append_float_json(out, f); out += '`'; break;
        case Kind::Str: out += "string "; append_debug_string(out, s); break;
        case Kind::Seq: out += "sequence"; break;
        case Kind::Map: out += "map"; break;
        case Kind::UnitVariant: out += "unit variant"; break;
    }
}

namespace msg {

std::string invalid_type(const Unexpected& u, std::string_view expected) {
    std::string s = "invalid type: ";
    u.append_to(s);
    return with_expected(std::move(s), expected);
}

std::string invalid_value(const Unexpected& u, std::string_view expected) {
    std::string s = "invalid value: ";
    u.append_to(s);
    return with_expected(std::move(s), expected);
}

std::string invalid_length(std::uint64_t len, std::string_view expected) {
    std::string s = "invalid length ";
    append_uint(s, len);
    return with_expected(std::move(s), expected);
}

std::string unknown_variant(std::string_view name, const std::string_view* names, std::size_t count) {
    std::string s = "unknown variant `";
    s += name;
    s += "`, expected ";
    if (count == 0) {
        s += "nothing";  // unreachable for the system's enumerations
    } else if (count == 1) {
        s += '`'; s += names[0]; s += '`';
    } else if (count == 2) {
        s += '`'; s += names[0]; s += "` or `"; s += names[1]; s += '`';
    } else {
        s += "one of ";
        for (std::size_t k = 0; k < count; ++k) {
            if (k) s += ", ";
            s += '`'; s += names[k]; s += '`';
        }
    }
    return s;
}

std::string missing_field(std::string_view field) {
    std::string s = "missing field `";
    s += field;
    s += '`';
    return s;
}

std::string duplicate_field(std::string_view field) {
    std::string s = "duplicate field `";
    s += field;
    s += '`';
    return s;
}

}  // namespace msg
}  // namespace prynox
