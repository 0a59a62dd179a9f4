#include "core/json/reader.hpp"

#include <algorithm>
#include <limits>

namespace prynox {

int find_name(std::span<const std::string_view> names, std::string_view name) {
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (names[k] == name) return static_cast<int>(k);
    }
    return -1;
}

Unexpected Content::unexpected() const {
    Unexpected x;
    switch (kind) {
        case Kind::Null: x.kind = Unexpected::Kind::Null; break;
        case Kind::Bool: x.kind = Unexpected::Kind::Bool; x.b = b; break;
        case Kind::U64: x.kind = Unexpected::Kind::Unsigned; x.u = u; break;
        case Kind::I64: x.kind = Unexpected::Kind::Signed; x.i = i; break;
        case Kind::F64: x.kind = Unexpected::Kind::Float; x.f = f; break;
        case Kind::Str: x.kind = Unexpected::Kind::Str; x.s = s; break;
        case Kind::Seq: x.kind = Unexpected::Kind::Seq; break;
        case Kind::Map: x.kind = Unexpected::Kind::Map; break;
    }
    return x;
}

std::unexpected<ReadError> Reader::invalid_scalar_error(std::string_view expecting) {
    Scalar s;
    if (auto st = lx_.scalar(s); !st) return std::unexpected(st.error());
    return fail(msg::invalid_type(s.unexpected(), expecting));
}

Status Reader::f64(double& out) {
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    if (!s.is_number()) return fail(msg::invalid_type(s.unexpected(), "f64"));
    out = s.as_f64();
    return {};
}

Status Reader::u32(std::uint32_t& out) {
    std::uint64_t v = 0;
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    switch (s.kind) {
        case Scalar::Kind::U64:
            v = s.u;
            if (v > std::numeric_limits<std::uint32_t>::max()) return fail(msg::invalid_value(s.unexpected(), "u32"));
            out = static_cast<std::uint32_t>(v);
            return {};
        case Scalar::Kind::I64: return fail(msg::invalid_value(s.unexpected(), "u32"));
        default: return fail(msg::invalid_type(s.unexpected(), "u32"));
    }
}

Status Reader::u64(std::uint64_t& out, std::string_view expecting) {
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    switch (s.kind) {
        case Scalar::Kind::U64: out = s.u; return {};
        case Scalar::Kind::I64: return fail(msg::invalid_value(s.unexpected(), expecting));
        default: return fail(msg::invalid_type(s.unexpected(), expecting));
    }
}

Status Reader::i64(std::int64_t& out) {
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    switch (s.kind) {
        case Scalar::Kind::U64:
            if (s.u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
                return fail(msg::invalid_value(s.unexpected(), "i64"));
            out = static_cast<std::int64_t>(s.u);
            return {};
        case Scalar::Kind::I64: out = s.i; return {};
        default: return fail(msg::invalid_type(s.unexpected(), "i64"));
    }
}

Status Reader::string(std::string& out) {
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    if (s.kind != Scalar::Kind::Str) return fail(msg::invalid_type(s.unexpected(), "a string"));
    out.assign(s.str);
    return {};
}

Status Reader::boolean(bool& out) {
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    if (s.kind != Scalar::Kind::Bool) return fail(msg::invalid_type(s.unexpected(), "a boolean"));
    out = s.b;
    return {};
}

Status Reader::unit() {
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    if (s.kind != Scalar::Kind::Null) return fail(msg::invalid_type(s.unexpected(), "unit"));
    return {};
}

Status Reader::seq_next(bool& first, bool& has) {
    int c = lx_.peek_ws();
    if (c < 0) return std::unexpected(lx_.peek_error(syntax::kEofList));
    if (c == ']') {
        has = false;
        return {};
    }
    if (!first) {
        if (c != ',') return std::unexpected(lx_.peek_error(syntax::kExpectedListCommaOrEnd));
        lx_.eat();
        c = lx_.peek_ws();
        if (c == ']') return std::unexpected(lx_.peek_error(syntax::kTrailingComma));
        if (c < 0) return std::unexpected(lx_.peek_error(syntax::kEofValue));
    }
    first = false;
    has = true;
    return {};
}

Status Reader::seq_end(std::size_t consumed) {
    int c = lx_.peek_ws();
    if (c == ']') {
        lx_.eat();
        return {};
    }
    if (text_path_) {
        if (c < 0) return std::unexpected(lx_.peek_error(syntax::kEofList));
        if (c == ',') {
            lx_.eat();
            if (lx_.peek_ws() == ']') return std::unexpected(lx_.peek_error(syntax::kTrailingComma));
        }
        return std::unexpected(lx_.peek_error(syntax::kTrailingCharacters));
    }
    // A parsed array that holds more than was taken: count it whole.
    std::size_t len = consumed;
    while (lx_.peek_ws() == ',') {
        lx_.eat();
        PRYNOX_TRY(lx_.skip_rest());
        ++len;
    }
    lx_.eat();
    return fail(msg::invalid_length(len, "fewer elements in array"));
}

Status Reader::map_next(bool& first, bool& has, std::string_view& key) {
    int c = lx_.peek_ws();
    if (c == '}') {
        has = false;
        return {};
    }
    if (!first) {
        if (c < 0) return std::unexpected(lx_.peek_error(syntax::kEofObject));
        if (c != ',') return std::unexpected(lx_.peek_error(syntax::kExpectedObjectCommaOrEnd));
        lx_.eat();
        c = lx_.peek_ws();
        if (c == '}') return std::unexpected(lx_.peek_error(syntax::kTrailingComma));
        if (c < 0) return std::unexpected(lx_.peek_error(syntax::kEofValue));
    } else if (c < 0) {
        return std::unexpected(lx_.peek_error(syntax::kEofObject));
    }
    first = false;
    if (c != '"') return std::unexpected(lx_.peek_error(syntax::kKeyMustBeString));
    lx_.eat();
    auto k = lx_.string_body();
    if (!k) return std::unexpected(k.error());
    key = *k;
    has = true;
    return {};
}

Status Reader::record_impl(const RecordDef& def, FieldThunk field, void* ctx) {
    const int c = lx_.peek_ws();
    const std::size_t nf = def.fields.size();
    std::uint32_t seen = 0;
    if (c == '{') {
        PRYNOX_TRY(lx_.enter());
        lx_.eat();
        bool first = true;
        // On a parsed object (the value path) the last of equal keys counts and the members are
        // taken in byte order of their keys. Fields are read in document order here; of the
        // errors of the last occurrences, the one whose key sorts first is reported, which is
        // what reading in key order would give.
        std::vector<std::pair<std::size_t, ReadError>> errors;  // allocated only on failure
        // Members nearly always come in the order of the fields (market data is written so):
        // the field after the last one found is tried first.
        std::size_t next = 0;
        for (;;) {
            bool has = false;
            std::string_view key;
            PRYNOX_TRY(map_next(first, has, key));
            if (!has) break;
            std::size_t k = next;
            if (k >= nf || def.fields[k].name != key) {
                k = 0;
                while (k < nf && def.fields[k].name != key) ++k;
            }
            next = k + 1;
            if (text_path_ && k < nf && (seen & (1u << k))) return fail(msg::duplicate_field(def.fields[k].name));
            PRYNOX_TRY(lx_.colon());
            if (k == nf) {
                // Unknown members of text are skipped without a depth limit.
                PRYNOX_TRY(text_path_ ? lx_.skip_value(false) : lx_.skip_rest());
                continue;
            }
            seen |= 1u << k;
            if (text_path_) {
                PRYNOX_TRY(field(ctx, k));
                continue;
            }
            if (!errors.empty()) std::erase_if(errors, [k](const auto& e) { return e.first == k; });
            lx_.peek_ws();
            const std::size_t start = lx_.index();
            const int budget = lx_.depth_budget();
            if (auto st = field(ctx, k); !st) {
                // A syntax error ends the read; a reading error waits for the others.
                if (st.error().has_position) return std::unexpected(std::move(st.error()));
                errors.emplace_back(k, std::move(st.error()));
                lx_.seek(start);
                lx_.set_depth_budget(budget);
                PRYNOX_TRY(lx_.skip_rest());
            }
        }
        lx_.eat();
        if (!errors.empty()) {
            auto first_error = std::min_element(errors.begin(), errors.end(), [&](const auto& x, const auto& y) {
                return def.fields[x.first].name < def.fields[y.first].name;
            });
            return std::unexpected(std::move(first_error->second));
        }
        lx_.leave();
        if (seen == (nf >= 32 ? ~0u : (1u << nf) - 1)) return {};
        for (std::size_t k = 0; k < nf; ++k) {
            if (def.fields[k].required && !(seen & (1u << k))) return fail(msg::missing_field(def.fields[k].name));
        }
        return {};
    }
    if (c == '[') {
        PRYNOX_TRY(lx_.enter());
        lx_.eat();
        bool first = true;
        std::size_t consumed = 0;
        for (std::size_t k = 0; k < nf; ++k) {
            bool has = false;
            PRYNOX_TRY(seq_next(first, has));
            if (has) {
                PRYNOX_TRY(field(ctx, k));
                ++consumed;
            } else if (def.fields[k].required) {
                lx_.eat();
                return fail(msg::invalid_length(k, def.seq_expecting));
            }
        }
        PRYNOX_TRY(seq_end(consumed));
        lx_.leave();
        return {};
    }
    return invalid_scalar(def.expecting);
}

Status Reader::map_impl(std::string_view expecting, MemberThunk member, void* ctx) {
    if (lx_.peek_ws() != '{') return invalid_scalar(expecting);
    PRYNOX_TRY(lx_.enter());
    lx_.eat();
    bool first = true;
    std::string key;
    if (text_path_) {
        for (;;) {
            bool has = false;
            std::string_view k;
            PRYNOX_TRY(map_next(first, has, k));
            if (!has) break;
            key.assign(k);
            PRYNOX_TRY(lx_.colon());
            PRYNOX_TRY(member(ctx, key));
        }
        lx_.eat();
    } else {
        std::vector<std::pair<std::string, std::size_t>> members;
        for (;;) {
            bool has = false;
            std::string_view k;
            PRYNOX_TRY(map_next(first, has, k));
            if (!has) break;
            key.assign(k);
            PRYNOX_TRY(lx_.colon());
            lx_.peek_ws();
            const std::size_t off = lx_.index();
            auto it = std::find_if(members.begin(), members.end(), [&](const auto& m) { return m.first == key; });
            if (it != members.end()) {
                it->second = off;
            } else {
                members.emplace_back(key, off);
            }
            PRYNOX_TRY(lx_.skip_rest());
        }
        lx_.eat();
        const std::size_t end = lx_.index();
        std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& m : members) {
            lx_.seek(m.second);
            PRYNOX_TRY(member(ctx, m.first));
        }
        lx_.seek(end);
    }
    lx_.leave();
    return {};
}

Status Reader::content(Content& out) {
    const int c = lx_.peek_ws();
    if (c == '[') {
        out.kind = Content::Kind::Seq;
        PRYNOX_TRY(lx_.enter());
        lx_.eat();
        bool first = true;
        for (;;) {
            bool has = false;
            PRYNOX_TRY(seq_next(first, has));
            if (!has) break;
            out.items.emplace_back();
            PRYNOX_TRY(content(out.items.back()));
        }
        lx_.eat();
        lx_.leave();
        return {};
    }
    if (c == '{') {
        out.kind = Content::Kind::Map;
        PRYNOX_TRY(lx_.enter());
        lx_.eat();
        bool first = true;
        for (;;) {
            bool has = false;
            std::string_view k;
            PRYNOX_TRY(map_next(first, has, k));
            if (!has) break;
            std::string key(k);
            PRYNOX_TRY(lx_.colon());
            Content v;
            PRYNOX_TRY(content(v));
            if (!text_path_) {
                auto it = std::find(out.keys.begin(), out.keys.end(), key);
                if (it != out.keys.end()) {
                    out.items[static_cast<std::size_t>(it - out.keys.begin())] = std::move(v);
                    continue;
                }
            }
            out.keys.push_back(std::move(key));
            out.items.push_back(std::move(v));
        }
        lx_.eat();
        lx_.leave();
        if (!text_path_) {
            // a parsed object lists its members in byte order of the keys
            std::vector<std::size_t> order(out.keys.size());
            for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
            std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return out.keys[a] < out.keys[b]; });
            std::vector<std::string> keys;
            std::vector<Content> items;
            for (std::size_t k : order) {
                keys.push_back(std::move(out.keys[k]));
                items.push_back(std::move(out.items[k]));
            }
            out.keys = std::move(keys);
            out.items = std::move(items);
        }
        return {};
    }
    Scalar s;
    PRYNOX_TRY(lx_.scalar(s));
    switch (s.kind) {
        case Scalar::Kind::Null: out.kind = Content::Kind::Null; break;
        case Scalar::Kind::Bool: out.kind = Content::Kind::Bool; out.b = s.b; break;
        case Scalar::Kind::U64: out.kind = Content::Kind::U64; out.u = s.u; break;
        case Scalar::Kind::I64: out.kind = Content::Kind::I64; out.i = s.i; break;
        case Scalar::Kind::F64: out.kind = Content::Kind::F64; out.f = s.f; break;
        case Scalar::Kind::Str: out.kind = Content::Kind::Str; out.s.assign(s.str); break;
        default: break;  // containers are handled above
    }
    return {};
}

Status Reader::enum_impl(std::span<const std::string_view> names, EnumThunk payload, void* ctx) {
    const int c = lx_.peek_ws();
    if (c == '"') {
        lx_.eat();
        auto name = lx_.string_body();
        if (!name) return std::unexpected(name.error());
        const int v = find_name(names, *name);
        if (v < 0) return fail(msg::unknown_variant(*name, names.data(), names.size()));
        return payload(ctx, static_cast<std::size_t>(v), false);
    }
    if (c == '{') {
        if (text_path_) {
            PRYNOX_TRY(lx_.enter());
            lx_.eat();
            Scalar s;
            PRYNOX_TRY(lx_.scalar(s));
            if (s.kind != Scalar::Kind::Str) return fail(msg::invalid_type(s.unexpected(), "variant identifier"));
            const int v = find_name(names, s.str);
            if (v < 0) return fail(msg::unknown_variant(s.str, names.data(), names.size()));
            PRYNOX_TRY(lx_.colon());
            PRYNOX_TRY(payload(ctx, static_cast<std::size_t>(v), true));
            const int d = lx_.peek_ws();
            if (d == '}') {
                lx_.eat();
                lx_.leave();
                return {};
            }
            return fail(d < 0 ? syntax::kEofObject : syntax::kExpectedValue);
        }
        // The object's own level counts against the budget, as on the text path.
        PRYNOX_TRY(lx_.enter());
        lx_.eat();
        bool first = true;
        std::size_t count = 0;
        std::size_t value_at = 0;
        std::string name;
        for (;;) {
            bool has = false;
            std::string_view k;
            PRYNOX_TRY(map_next(first, has, k));
            if (!has) break;
            // a parsed object keeps one member per key
            if (count == 0 || k != name) {
                if (count == 0) name.assign(k);
                ++count;
            }
            PRYNOX_TRY(lx_.colon());
            lx_.peek_ws();
            if (k == name) value_at = lx_.index();
            PRYNOX_TRY(lx_.skip_rest());
        }
        lx_.eat();
        const std::size_t end = lx_.index();
        Unexpected map;
        map.kind = Unexpected::Kind::Map;
        if (count != 1) return fail(msg::invalid_value(map, "map with a single key"));
        const int v = find_name(names, name);
        if (v < 0) return fail(msg::unknown_variant(name, names.data(), names.size()));
        lx_.seek(value_at);
        PRYNOX_TRY(payload(ctx, static_cast<std::size_t>(v), true));
        lx_.seek(end);
        lx_.leave();
        return {};
    }
    if (text_path_) return std::unexpected(lx_.peek_error(c < 0 ? syntax::kEofValue : syntax::kExpectedValue));
    return invalid_scalar("string or map");
}

}  // namespace prynox
