#pragma once
// Typed reading on top of the lexer, shared by the specification and market-data readers.
// One reader serves both ways a record arrives: straight from JSON text (positions, document
// order, duplicate keys refused) and from an already parsed command (no positions, keys in
// byte order, the last of two equal keys kept).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/json/lexer.hpp"

namespace prynox {

#define PRYNOX_TRY(expr)                                    \
    do {                                                    \
        if (auto prynox_status_ = (expr); !prynox_status_)  \
            return std::unexpected(prynox_status_.error()); \
    } while (0)

// A whole value buffered for a second look (operands, members of tagged records).
struct Content {
    enum class Kind : std::uint8_t { Null, Bool, U64, I64, F64, Str, Seq, Map };
    Kind kind = Kind::Null;
    bool b = false;
    std::uint64_t u = 0;
    std::int64_t i = 0;
    double f = 0.0;
    std::string s;
    std::vector<Content> items;     // Seq elements, or Map values
    std::vector<std::string> keys;  // Map keys, one per value, in reading order

    Unexpected unexpected() const;
};

struct FieldDef {
    std::string_view name;
    bool required;
};

struct RecordDef {
    std::string_view expecting;      // "struct ImpactSpec"
    std::string_view seq_expecting;  // "struct ImpactSpec with 4 elements"
    std::span<const FieldDef> fields;
};

class Reader {
public:
    // text_path: errors carry positions and keys are read in document order.
    Reader(Lexer& lx, bool text_path) : lx_(lx), text_path_(text_path) {}

    Lexer& lexer() { return lx_; }
    bool text_path() const { return text_path_; }
    // A reading error: with the position on the text path, without on a parsed value.
    std::unexpected<ReadError> fail(std::string m) const {
        if (text_path_) return std::unexpected(lx_.error(std::move(m)));
        return std::unexpected(ReadError{std::move(m)});
    }

    Status f64(double& out);
    Status u32(std::uint32_t& out);
    Status u64(std::uint64_t& out, std::string_view expecting);  // "u64" or "usize"
    Status i64(std::int64_t& out);
    Status string(std::string& out);
    Status boolean(bool& out);
    // null (none) or the value read by `some`.
    template <class F>
    Status optional(bool& present, F&& some) {
        if (lx_.peek_ws() == 'n') {
            Scalar s;
            PRYNOX_TRY(lx_.scalar(s));
            present = false;
            return {};
        }
        present = true;
        return some();
    }

    // The array elements, one call of `element(index)` each; the lexer stands on the array.
    template <class F>
    Status sequence(std::string_view expecting, F&& element) {
        if (lx_.peek_ws() != '[') return invalid_scalar(expecting);
        PRYNOX_TRY(lx_.enter());
        lx_.eat();
        bool first = true;
        for (std::size_t k = 0;; ++k) {
            bool has = false;
            PRYNOX_TRY(seq_next(first, has));
            if (!has) break;
            PRYNOX_TRY(element(k));
        }
        lx_.eat();
        lx_.leave();
        return {};
    }

    // A fixed number of elements (a tuple): `element(k)` for k < n.
    template <class F>
    Status tuple(std::size_t n, std::string_view expecting, F&& element) {
        if (lx_.peek_ws() != '[') return invalid_scalar(expecting);
        PRYNOX_TRY(lx_.enter());
        lx_.eat();
        bool first = true;
        for (std::size_t k = 0; k < n; ++k) {
            bool has = false;
            PRYNOX_TRY(seq_next(first, has));
            if (!has) {
                lx_.eat();
                return fail(msg::invalid_length(k, expecting));
            }
            PRYNOX_TRY(element(k));
        }
        PRYNOX_TRY(seq_end(n));
        lx_.leave();
        return {};
    }

    // A record in object or array form; `field(k)` reads field k at the lexer's position.
    template <class F>
    Status record(const RecordDef& def, F&& field) {
        auto thunk = [](void* ctx, std::size_t k) -> Status { return (*static_cast<F*>(ctx))(k); };
        return record_impl(def, thunk, &field);
    }

    // Members of an object as (key, reader) pairs, in the path's order; the key view is valid
    // during the call only.
    template <class F>
    Status map(std::string_view expecting, F&& member) {
        auto thunk = [](void* ctx, std::string_view key) -> Status { return (*static_cast<F*>(ctx))(key); };
        return map_impl(expecting, thunk, &member);
    }

    Status content(Content& out);

    // An enumeration written as a name or as a one-member object whose key is the name:
    // `payload(variant, in_object)` reads the member's value (in_object) or decides whether a
    // bare name is acceptable (!in_object).
    template <class F>
    Status enumeration(std::span<const std::string_view> names, F&& payload) {
        auto thunk = [](void* ctx, std::size_t v, bool in_object) -> Status {
            return (*static_cast<F*>(ctx))(v, in_object);
        };
        return enum_impl(names, thunk, &payload);
    }
    // The payload of a variant without data: null only.
    Status unit();

    // Error for a non-array/non-object value where `expecting` was due.
    std::unexpected<ReadError> invalid_scalar_error(std::string_view expecting);
    Status invalid_scalar(std::string_view expecting) { return invalid_scalar_error(expecting); }

    Status seq_next(bool& first, bool& has);
    Status seq_end(std::size_t consumed);
    Status map_next(bool& first, bool& has, std::string_view& key);

private:
    using FieldThunk = Status (*)(void*, std::size_t);
    using MemberThunk = Status (*)(void*, std::string_view);
    using EnumThunk = Status (*)(void*, std::size_t, bool);
    Status enum_impl(std::span<const std::string_view> names, EnumThunk payload, void* ctx);
    Status record_impl(const RecordDef& def, FieldThunk field, void* ctx);
    Status map_impl(std::string_view expecting, MemberThunk member, void* ctx);

    Lexer& lx_;
    bool text_path_;
};

int find_name(std::span<const std::string_view> names, std::string_view name);

}  // namespace prynox
