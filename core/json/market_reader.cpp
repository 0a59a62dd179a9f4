#include "core/json/market_reader.hpp"

#include <algorithm>
#include <array>
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

template <class R, std::size_t N>
struct FlatDef {
    std::string_view expecting;
    std::string_view seq_expecting;
    std::array<FlatField<R>, N> fields;
    std::array<std::uint8_t, N> sorted;  // field indexes in byte order of the names
};

template <class R, std::size_t N>
constexpr std::array<std::uint8_t, N> sorted_order(const std::array<FlatField<R>, N>& f) {
    std::array<std::uint8_t, N> o{};
    for (std::size_t k = 0; k < N; ++k) o[k] = static_cast<std::uint8_t>(k);
    for (std::size_t a = 0; a < N; ++a)
        for (std::size_t b = a + 1; b < N; ++b)
            if (f[o[b]].name < f[o[a]].name) std::swap(o[a], o[b]);
    return o;
}

constexpr std::array<FlatField<Candle>, 6> kCandleFields{{
    {"time", FieldKind::I64, true, nullptr, &Candle::time},
    {"open", FieldKind::F64, true, &Candle::open},
    {"high", FieldKind::F64, true, &Candle::high},
    {"low", FieldKind::F64, true, &Candle::low},
    {"close", FieldKind::F64, true, &Candle::close},
    {"volume", FieldKind::F64, false, &Candle::volume},
}};
constexpr FlatDef<Candle, 6> kCandleDef{"struct Candle", "struct Candle with 6 elements", kCandleFields,
                                        sorted_order(kCandleFields)};

constexpr std::array<FlatField<Level>, 2> kLevelFields{{
    {"price", FieldKind::F64, true, &Level::price},
    {"size", FieldKind::F64, true, &Level::size},
}};
constexpr FlatDef<Level, 2> kLevelDef{"struct Level", "struct Level with 2 elements", kLevelFields,
                                      sorted_order(kLevelFields)};

constexpr std::array<FlatField<TradePrint>, 4> kTradeFields{{
    {"price", FieldKind::F64, true, &TradePrint::price},
    {"size", FieldKind::F64, true, &TradePrint::size},
    {"side", FieldKind::Side, true},
    {"timestamp", FieldKind::I64, false, nullptr, &TradePrint::timestamp},
}};
constexpr FlatDef<TradePrint, 4> kTradeDef{"struct TradePrint", "struct TradePrint with 4 elements", kTradeFields,
                                           sorted_order(kTradeFields)};

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
constexpr FlatDef<DerivativesTick, 12> kTickDef{"struct DerivativesTick", "struct DerivativesTick with 12 elements",
                                                kTickFields, sorted_order(kTickFields)};

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
                case 0: return list(d.candles, [&](Candle& c) { return flat(kCandleDef, c); });
                case 1: return r_.f64(d.capital);
                case 2: return optional_list(d.books, [&](OrderBook& b) { return book(b); });
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
        const std::size_t bound = (lx_.text().size() - lx_.index()) / 12 + 1;
        try {
            out.reserve(bound);
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

    Status book(OrderBook& b) {
        return r_.record(kBookDef, [&](std::size_t k) -> Status {
            auto& side = k == 0 ? b.bids : b.asks;
            return list(side, [&](Level& l) { return flat(kLevelDef, l); });
        });
    }

    // One scalar into field k of the record, with the reading messages of its form.
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
    Status field_at(const FlatDef<R, N>& def, std::size_t k, std::size_t offset, R& out) {
        const auto& f = def.fields[k];
        lx_.seek(offset);
        if constexpr (std::is_same_v<R, TradePrint>) {
            if (f.kind == FieldKind::Side) return side(out);
        }
        Scalar s;
        PRYNOX_TRY(lx_.scalar(s));
        return assign(f, s, out);
    }

    template <class R, std::size_t N>
    Status flat(const FlatDef<R, N>& def, R& out) {
        const int c = lx_.peek_ws();
        if (c == '{') {
            PRYNOX_TRY(lx_.enter());
            lx_.eat();
            std::size_t offset[N] = {};
            Scalar value[N];
            bool first = true;
            for (;;) {
                bool has = false;
                std::string_view key;
                PRYNOX_TRY(r_.map_next(first, has, key));
                if (!has) break;
                std::size_t k = 0;
                while (k < N && def.fields[k].name != key) ++k;
                PRYNOX_TRY(lx_.colon());
                lx_.peek_ws();
                if (k < N) {
                    offset[k] = lx_.index() + 1;
                    // Numbers are taken on the first pass; anything else is read again below.
                    PRYNOX_TRY(lx_.scalar(value[k]));
                    if (value[k].kind == Scalar::Kind::Seq || value[k].kind == Scalar::Kind::Map ||
                        value[k].kind == Scalar::Kind::Str)
                        value[k].kind = Scalar::Kind::Seq;
                    if (lx_.peek_ws() == '[' || lx_.peek_ws() == '{') PRYNOX_TRY(lx_.skip_rest());
                } else {
                    PRYNOX_TRY(lx_.skip_rest());
                }
            }
            lx_.eat();
            const std::size_t end = lx_.index();
            for (std::size_t j = 0; j < N; ++j) {
                const std::size_t k = def.sorted[j];
                if (offset[k] == 0) continue;
                if (value[k].kind == Scalar::Kind::Seq || def.fields[k].kind == FieldKind::Side) {
                    PRYNOX_TRY(field_at(def, k, offset[k] - 1, out));
                } else {
                    PRYNOX_TRY(assign(def.fields[k], value[k], out));
                }
            }
            lx_.seek(end);
            lx_.leave();
            for (std::size_t k = 0; k < N; ++k) {
                if (def.fields[k].required && offset[k] == 0) return r_.fail(msg::missing_field(def.fields[k].name));
            }
            return {};
        }
        if (c == '[') {
            PRYNOX_TRY(lx_.enter());
            lx_.eat();
            bool first = true;
            std::size_t consumed = 0;
            for (std::size_t k = 0; k < N; ++k) {
                bool has = false;
                PRYNOX_TRY(r_.seq_next(first, has));
                if (has) {
                    lx_.peek_ws();
                    const std::size_t start = lx_.index();
                    PRYNOX_TRY(field_at(def, k, start, out));
                    ++consumed;
                } else if (def.fields[k].required) {
                    lx_.eat();
                    return r_.fail(msg::invalid_length(k, def.seq_expecting));
                }
            }
            PRYNOX_TRY(r_.seq_end(consumed));
            lx_.leave();
            return {};
        }
        return r_.invalid_scalar(def.expecting);
    }

    Reader r_;
    Lexer& lx_;
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
