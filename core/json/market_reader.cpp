#include "core/json/market_reader.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <type_traits>

#include "core/json/reader.hpp"

namespace prynox {
namespace {

enum class FieldKind : std::uint8_t { F64, I64, Side };

// A record whose fields are all scalars: candles, levels, trade prints and ticks.
template <class R>
struct FlatField {
    std::string_view name;
    FieldKind kind;
    bool required;
    double R::*f64 = nullptr;
    std::int64_t R::*i64 = nullptr;
};

// The names and presence rules the record reader reads a flat record by.
template <class R, std::size_t N>
constexpr std::array<FieldDef, N> field_names(const std::array<FlatField<R>, N>& f) {
    std::array<FieldDef, N> names{};
    for (std::size_t k = 0; k < N; ++k) names[k] = {f[k].name, f[k].required};
    return names;
}

// `record` for the record reader; `fields` says where each value goes.
template <class R, std::size_t N>
struct FlatDef {
    RecordDef record;
    const std::array<FlatField<R>, N>& fields;
};

constexpr std::array<FlatField<Candle>, 6> kCandleFields{{
    {"time", FieldKind::I64, true, nullptr, &Candle::time},
    {"open", FieldKind::F64, true, &Candle::open},
    {"high", FieldKind::F64, true, &Candle::high},
    {"low", FieldKind::F64, true, &Candle::low},
    {"close", FieldKind::F64, true, &Candle::close},
    {"volume", FieldKind::F64, false, &Candle::volume},
}};
constexpr auto kCandleNames = field_names(kCandleFields);
constexpr FlatDef<Candle, 6> kCandleDef{{"struct Candle", "struct Candle with 6 elements", kCandleNames},
                                        kCandleFields};

// A candle key with its quotes, as the 8 bytes of text that start with it load (first byte
// lowest), and the mask of its bytes among them.
struct QuotedKey {
    std::uint64_t word = 0;
    std::uint64_t mask = 0;
    std::size_t size = 0;
};
static_assert(std::endian::native == std::endian::little, "a quoted key's first byte is its word's lowest");

constexpr std::array<QuotedKey, 6> quoted_candle_keys() {
    std::array<QuotedKey, 6> keys{};
    for (std::size_t k = 0; k < 6; ++k) {
        const std::string_view name = kCandleFields[k].name;
        QuotedKey& q = keys[k];
        q.size = name.size() + 2;
        for (std::size_t b = 0; b < q.size; ++b) {
            const char c = b == 0 || b + 1 == q.size ? '"' : name[b - 1];
            q.word |= std::uint64_t{static_cast<unsigned char>(c)} << (8 * b);
            q.mask |= std::uint64_t{0xFF} << (8 * b);
        }
    }
    return keys;
}
constexpr auto kQuotedCandleKeys = quoted_candle_keys();
static_assert(std::ranges::all_of(kCandleFields, [](const auto& f) { return f.name.size() + 2 <= 8; }));

constexpr std::array<FlatField<Level>, 2> kLevelFields{{
    {"price", FieldKind::F64, true, &Level::price},
    {"size", FieldKind::F64, true, &Level::size},
}};
constexpr auto kLevelNames = field_names(kLevelFields);
constexpr FlatDef<Level, 2> kLevelDef{{"struct Level", "struct Level with 2 elements", kLevelNames}, kLevelFields};

constexpr std::array<FlatField<TradePrint>, 4> kTradeFields{{
    {"price", FieldKind::F64, true, &TradePrint::price},
    {"size", FieldKind::F64, true, &TradePrint::size},
    {"side", FieldKind::Side, true},
    {"timestamp", FieldKind::I64, false, nullptr, &TradePrint::timestamp},
}};
constexpr auto kTradeNames = field_names(kTradeFields);
constexpr FlatDef<TradePrint, 4> kTradeDef{{"struct TradePrint", "struct TradePrint with 4 elements", kTradeNames},
                                           kTradeFields};

constexpr std::array<FlatField<DerivativesTick>, 12> kTickFields{{
    {"funding_rate", FieldKind::F64, true, &DerivativesTick::funding_rate},
    {"mark_price", FieldKind::F64, true, &DerivativesTick::mark_price},
    {"index_price", FieldKind::F64, true, &DerivativesTick::index_price},
    {"futures_price", FieldKind::F64, true, &DerivativesTick::futures_price},
    {"open_interest", FieldKind::F64, true, &DerivativesTick::open_interest},
    {"long_size", FieldKind::F64, true, &DerivativesTick::long_size},
    {"short_size", FieldKind::F64, true, &DerivativesTick::short_size},
    {"taker_buy_volume", FieldKind::F64, true, &DerivativesTick::taker_buy_volume},
    {"taker_sell_volume", FieldKind::F64, true, &DerivativesTick::taker_sell_volume},
    {"long_liquidation", FieldKind::F64, true, &DerivativesTick::long_liquidation},
    {"short_liquidation", FieldKind::F64, true, &DerivativesTick::short_liquidation},
    {"timestamp", FieldKind::I64, false, nullptr, &DerivativesTick::timestamp},
}};
constexpr auto kTickNames = field_names(kTickFields);
constexpr FlatDef<DerivativesTick, 12> kTickDef{
    {"struct DerivativesTick", "struct DerivativesTick with 12 elements", kTickNames}, kTickFields};

constexpr std::string_view kSideNames[] = {"buy", "sell"};

constexpr FieldDef kRunDataFields[] = {{"candles", true}, {"capital", false}, {"books", false},
                                       {"reference", false}, {"derivs", false}, {"trades", false}};
constexpr RecordDef kRunDataDef{"struct RunData", "struct RunData with 6 elements", kRunDataFields};
constexpr FieldDef kBookFields[] = {{"bids", true}, {"asks", true}};
constexpr RecordDef kBookDef{"struct OrderBook", "struct OrderBook with 2 elements", kBookFields};

class MarketReader {
public:
    explicit MarketReader(Lexer& lx) : r_(lx, false), lx_(lx) {}

    Status run_data(RunData& d) {
        return r_.record(kRunDataDef, [&](std::size_t k) -> Status {
            switch (k) {
                case 0: {
                    PRYNOX_TRY(list(d.candles, [&](Candle& c) { return flat(kCandleDef, c); }));
                    books_hint_ = d.candles.size();
                    return {};
                }
                case 1: return r_.f64(d.capital);
                case 2: return books(d.books);
                case 3: return optional_list(d.reference, [&](Candle& c) { return flat(kCandleDef, c); });
                case 4: return optional_list(d.derivs, [&](DerivativesTick& t) { return flat(kTickDef, t); });
                default:
                    return optional_list(d.trades, [&](std::vector<TradePrint>& bar) {
                        return list(bar, [&](TradePrint& t) { return flat(kTradeDef, t); });
                    });
            }
        });
    }

    Reader& reader() { return r_; }

private:
    template <class T, class F>
    Status list(std::vector<T>& out, F&& element) {
        out.clear();
        if constexpr (std::is_same_v<T, Candle>) reserve_candles(out);
        return r_.sequence("a sequence", [&](std::size_t) -> Status {
            out.emplace_back();
            return element(out.back());
        });
    }

    // A candle takes at least 12 bytes of text ("[0,0,0,0,0],"), so the rest of the text bounds
    // the count. Reserving that bound up front spares the copies of a growing list, whose old
    // and new buffers would briefly both be held; pages are only touched as candles arrive.
    void reserve_candles(std::vector<Candle>& out) {
        if (lx_.peek_ws() != '[') return;
        try_reserve(out, (lx_.text().size() - lx_.index()) / 12 + 1);
    }

    template <class T>
    static void try_reserve(std::vector<T>& out, std::size_t n) {
        try {
            out.reserve(n);
        } catch (const std::bad_alloc&) {
            // Address space is short: the list grows as it goes.
        } catch (const std::length_error&) {
        }
    }

    template <class T, class F>
    Status optional_list(std::optional<std::vector<T>>& out, F&& element) {
        if (lx_.peek_ws() == 'n') {
            Scalar s;
            PRYNOX_TRY(lx_.scalar(s));
            out.reset();
            return {};
        }
        out.emplace();
        return list(*out, element);
    }

    // The books go into one pool of levels (see `OrderBooks`); the pool's size is bounded by the
    // text like the candles' (a level takes at least 6 bytes: "[0,0]" and a separator).
    Status books(std::optional<OrderBooks>& out) {
        if (lx_.peek_ws() == 'n') {
            Scalar s;
            PRYNOX_TRY(lx_.scalar(s));
            out.reset();
            return {};
        }
        OrderBooks& b = out.emplace();
        if (lx_.peek_ws() == '[') {
            const std::size_t rest = lx_.text().size() - lx_.index();
            try_reserve(b.levels, rest / 6 + 1);
            // One book per candle when the candles came first; otherwise the list grows.
            if (books_hint_ > 0) try_reserve(b.ends, 2 * books_hint_);
        }
        return r_.sequence("a sequence", [&](std::size_t) -> Status { return book(b); });
    }

    // One bar's book, appended to the pool. The sides come in any order, and on a parsed value
    // a key written twice keeps its last value, so each side's last reading is kept and, when
    // they do not end the pool as bids then asks, they are moved there.
    Status book(OrderBooks& b) {
        const std::size_t start = b.levels.size();
        std::array<std::size_t, 2> from{start, start};
        std::array<std::size_t, 2> count{0, 0};
        PRYNOX_TRY(r_.record(kBookDef, [&](std::size_t k) -> Status {
            const std::size_t first = b.levels.size();
            PRYNOX_TRY(r_.sequence("a sequence", [&](std::size_t) -> Status {
                b.levels.emplace_back();
                return flat(kLevelDef, b.levels.back());
            }));
            from[k] = first;
            count[k] = b.levels.size() - first;
            return {};
        }));
        if (from[0] != start || from[1] != start + count[0] || b.levels.size() != start + count[0] + count[1]) {
            scratch_.assign(b.levels.begin() + static_cast<std::ptrdiff_t>(from[0]),
                            b.levels.begin() + static_cast<std::ptrdiff_t>(from[0] + count[0]));
            scratch_.insert(scratch_.end(), b.levels.begin() + static_cast<std::ptrdiff_t>(from[1]),
                            b.levels.begin() + static_cast<std::ptrdiff_t>(from[1] + count[1]));
            b.levels.resize(start);
            b.levels.insert(b.levels.end(), scratch_.begin(), scratch_.end());
        }
        b.close_bar(count[0]);
        return {};
    }

    // One scalar into a field, with the reading messages of its form.
    template <class R>
    Status assign(const FlatField<R>& f, const Scalar& s, R& out) {
        switch (f.kind) {
            case FieldKind::F64:
                if (!s.is_number()) return r_.fail(msg::invalid_type(s.unexpected(), "f64"));
                out.*(f.f64) = s.as_f64();
                return {};
            case FieldKind::I64:
                if (s.kind == Scalar::Kind::I64) {
                    out.*(f.i64) = s.i;
                    return {};
                }
                if (s.kind == Scalar::Kind::U64) {
                    if (s.u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
                        return r_.fail(msg::invalid_value(s.unexpected(), "i64"));
                    out.*(f.i64) = static_cast<std::int64_t>(s.u);
                    return {};
                }
                return r_.fail(msg::invalid_type(s.unexpected(), "i64"));
            case FieldKind::Side: break;
        }
        return {};
    }

    // The side is the one field that is no number: a name, or an object naming it.
    Status side(TradePrint& t) {
        return r_.enumeration(kSideNames, [&](std::size_t v, bool in_object) -> Status {
            t.side = static_cast<Side>(v);
            if (in_object) return r_.unit();
            return {};
        });
    }

    template <class R, std::size_t N>
    Status flat(const FlatDef<R, N>& def, R& out) {
        return r_.record(def.record, [&](std::size_t k) -> Status {
            const auto& f = def.fields[k];
            if constexpr (std::is_same_v<R, TradePrint>) {
                if (f.kind == FieldKind::Side) return side(out);
            }
            Scalar s;
            PRYNOX_TRY(lx_.scalar(s));
            return assign(f, s, out);
        });
    }

    // Candles nearly always arrive as a program writes them: an object of the six keys in field
    // order (volume perhaps left off), or an array of the six values, all plain numbers. Such a
    // candle is read here straight off the text (this overload is chosen over the generic
    // record reader for every candle). Anything else (other keys or order, escapes or blanks
    // inside a key, a value of another type, bad syntax, a nesting budget at its end) goes back
    // to where the candle began and through the record reader, which gives the same candle
    // or the error the text deserves.
    Status flat(const FlatDef<Candle, 6>& def, Candle& out) {
        const std::size_t at = lx_.index();
        if (direct_candle(def, out)) return {};
        lx_.seek(at);
        return flat<Candle, 6>(def, out);  // rewrites every field the text holds
    }

    bool direct_candle(const FlatDef<Candle, 6>& def, Candle& out) {
        const int open = lx_.peek_ws();
        if ((open != '{' && open != '[') || lx_.depth_budget() <= 1) return false;
        const int close = open == '{' ? '}' : ']';
        lx_.eat();
        for (std::size_t k = 0; k < 6; ++k) {
            if (k > 0) {
                if (lx_.peek_ws() != ',') return false;
                lx_.eat();
            }
            if (open == '{' && !(lx_.peek_ws() == '"' && quoted_key(kQuotedCandleKeys[k]) && lx_.peek_ws() == ':')) {
                return false;
            }
            if (open == '{') lx_.eat();
            Scalar s;
            if (!lx_.scalar(s) || !s.is_number() || !assign(def.fields[k], s, out)) return false;
            if (k == 4 && lx_.peek_ws() == close) break;  // volume left off
        }
        if (lx_.peek_ws() != close) return false;
        lx_.eat();
        return true;
    }

    // Steps over the quoted key when the text goes on with it.
    bool quoted_key(const QuotedKey& key) {
        const std::string_view t = lx_.text();
        const std::size_t i = lx_.index();
        if (t.size() - i < 8) return false;
        std::uint64_t word;
        std::memcpy(&word, t.data() + i, 8);
        if ((word & key.mask) != key.word) return false;
        lx_.seek(i + key.size);
        return true;
    }

    Reader r_;
    Lexer& lx_;
    std::size_t books_hint_ = 0;  // the candle count, once the candles are read
    std::vector<Level> scratch_;  // a book whose sides came out of order, being regrouped
};

}  // namespace

Status read_run_data(Lexer& lx, RunData& out) {
    MarketReader mr(lx);
    return mr.run_data(out);
}

std::expected<RunData, ReadError> run_data_from_value(std::string_view text, std::size_t offset) {
    Lexer lx(text, false);
    lx.set_checked(true);
    lx.seek(offset);
    RunData data;
    if (auto s = read_run_data(lx, data); !s) return std::unexpected(s.error());
    return data;
}

}  // namespace prynox
