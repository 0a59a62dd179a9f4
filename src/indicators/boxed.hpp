#pragma once
// How a type's step meets the bar: one contract per feed, so that a type's own file holds its
// step and nothing else.
//
// A type is a value type with
//     static std::expected<T, IndicatorError> create(<parameters in index order>);
//     std::uint64_t warmup_period() const;
// and one step, named after what it reads of the bar. The step runs only when the bar carries
// that input in a usable form; otherwise the update gives no value and the state is untouched.
//     close          OptionalValue update_value(double close)        the candle's close, unchecked
//     candle         OptionalValue update_candle(const Candle&)      a candle that passed its check
//     reference      OptionalValue update_pair(double close, double reference)   both finite
//     trade          OptionalValue update_trades(std::span<const TradePrint>)   the prints that passed
//     book           OptionalValue update_book(const OrderBook&)     a book that passed
//     trade-quote    OptionalValue update_trade_quote(const TradeQuote&)
//     derivatives    OptionalValue update_tick(const DerivativesTick&)   a tick that passed
//     cross-section  OptionalValue update_cross_section(std::span<const CrossSectionEntry>)
// A type with named outputs also declares
//     static constexpr std::array<const char*, N> kOutputNames
// and its step returns bool (whether the bar gave values) and takes one more argument,
// std::array<double, N>& out, filled on a bar that gives values. The update's value is the
// first output. The list a caller sees changes only on a bar that gives values.
#include <array>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <utility>

#include "core/model/spec.hpp"
#include "indicators/cores/candle_check.hpp"
#include "indicators/indicator.hpp"

namespace prynox {

// What a trade-and-quote step reads: the bar's prints, its book when one passed, its candle.
struct TradeQuote {
    std::span<const TradePrint> trades;
    const OrderBook* book;
    const Candle& candle;
};

namespace step {

template <class S, class... Out>
concept Close = requires(S& s, double x, Out&... out) { s.update_value(x, out...); };
template <class S, class... Out>
concept OfCandle = requires(S& s, const Candle& c, Out&... out) { s.update_candle(c, out...); };
template <class S, class... Out>
concept Reference = requires(S& s, double x, Out&... out) { s.update_pair(x, x, out...); };
template <class S, class... Out>
concept Trade = requires(S& s, std::span<const TradePrint> t, Out&... out) { s.update_trades(t, out...); };
template <class S, class... Out>
concept Book = requires(S& s, const OrderBook& b, Out&... out) { s.update_book(b, out...); };
template <class S, class... Out>
concept OfTradeQuote = requires(S& s, const TradeQuote& q, Out&... out) { s.update_trade_quote(q, out...); };
template <class S, class... Out>
concept Derivatives = requires(S& s, const DerivativesTick& t, Out&... out) { s.update_tick(t, out...); };
template <class S, class... Out>
concept CrossSection = requires(S& s, std::span<const CrossSectionEntry> e, Out&... out) {
    s.update_cross_section(e, out...);
};

}  // namespace step

template <class S>
concept HasOutputs = requires {
    { S::kOutputNames.size() } -> std::convertible_to<std::size_t>;
};

// The feed a state consumes, read off its step.
template <class S, class... Out>
consteval Feed feed_of_step() {
    if constexpr (step::Close<S, Out...> || step::OfCandle<S, Out...> || step::Reference<S, Out...>) {
        return Feed::Kline;
    } else if constexpr (step::Trade<S, Out...>) {
        return Feed::Trade;
    } else if constexpr (step::Book<S, Out...>) {
        return Feed::Orderbook;
    } else if constexpr (step::OfTradeQuote<S, Out...>) {
        return Feed::TradeQuote;
    } else if constexpr (step::Derivatives<S, Out...>) {
        return Feed::Derivatives;
    } else {
        static_assert(step::CrossSection<S, Out...>, "a type has exactly one step of a known feed");
        return Feed::CrossSection;
    }
}

// Runs the state's step on what the bar carries for it.
template <class S, class... Out>
inline auto step_bar(S& s, const BarContext& ctx, Out&... out) {
    if constexpr (step::Close<S, Out...>) {
        using R = decltype(s.update_value(0.0, out...));
        if (ctx.candle == nullptr) [[unlikely]]
            return R{};
        return s.update_value(ctx.candle->close, out...);
    } else if constexpr (step::OfCandle<S, Out...>) {
        using R = decltype(s.update_candle(*ctx.candle, out...));
        if (ctx.candle == nullptr || !candle_passes(*ctx.candle)) return R{};
        return s.update_candle(*ctx.candle, out...);
    } else if constexpr (step::Reference<S, Out...>) {
        using R = decltype(s.update_pair(0.0, 0.0, out...));
        if (ctx.candle == nullptr || !ctx.reference || !std::isfinite(*ctx.reference) ||
            !std::isfinite(ctx.candle->close))
            return R{};
        return s.update_pair(ctx.candle->close, *ctx.reference, out...);
    } else if constexpr (step::Trade<S, Out...>) {
        return s.update_trades(ctx.trades, out...);
    } else if constexpr (step::Book<S, Out...>) {
        using R = decltype(s.update_book(*ctx.book, out...));
        if (ctx.book == nullptr) return R{};
        return s.update_book(*ctx.book, out...);
    } else if constexpr (step::OfTradeQuote<S, Out...>) {
        using R = decltype(s.update_trade_quote(std::declval<const TradeQuote&>(), out...));
        if (ctx.candle == nullptr) [[unlikely]]
            return R{};
        return s.update_trade_quote(TradeQuote{ctx.trades, ctx.book, *ctx.candle}, out...);
    } else if constexpr (step::Derivatives<S, Out...>) {
        using R = decltype(s.update_tick(*ctx.deriv, out...));
        if (ctx.deriv == nullptr) return R{};
        return s.update_tick(*ctx.deriv, out...);
    } else {
        static_assert(step::CrossSection<S, Out...>, "a type has exactly one step of a known feed");
        using R = decltype(s.update_cross_section(std::span<const CrossSectionEntry>(), out...));
        if (ctx.cross_section == nullptr) return R{};
        return s.update_cross_section(std::span<const CrossSectionEntry>(*ctx.cross_section), out...);
    }
}

// A single-output type boxed as an Indicator. Each state type gets its own instantiation, hence
// its own operations table.
template <class State>
class SingleOutput final : public Indicator {
public:
    static constexpr Feed kFeed = feed_of_step<State>();

    explicit SingleOutput(State state) : state_(std::move(state)) {}

    OptionalValue update(const BarContext& ctx) override { return step_bar(state_, ctx); }
    std::uint64_t warmup_period() const override { return state_.warmup_period(); }

    const State& state() const { return state_; }

private:
    State state_;
};

// A type with named outputs boxed as an Indicator: its list keeps the values of the last bar that
// gave them, filled in place.
template <class State>
class MultiOutput final : public Indicator {
public:
    static constexpr std::size_t kCount = State::kOutputNames.size();
    using Values = std::array<double, kCount>;
    static constexpr Feed kFeed = feed_of_step<State, Values>();

    explicit MultiOutput(State state) : state_(std::move(state)) {
        for (std::size_t k = 0; k < kCount; ++k) list_[k] = {State::kOutputNames[k], 0.0};
    }

    OptionalValue update(const BarContext& ctx) override {
        Values values;
        if (!step_bar(state_, ctx, values)) return {};
        for (std::size_t k = 0; k < kCount; ++k) list_[k].value = values[k];
        published_ = true;
        return values[0];
    }
    std::span<const NamedOutput> outputs() const override {
        return published_ ? std::span<const NamedOutput>(list_) : std::span<const NamedOutput>();
    }
    std::span<const char* const> output_names() const override { return State::kOutputNames; }
    std::uint64_t warmup_period() const override { return state_.warmup_period(); }

    const State& state() const { return state_; }

private:
    State state_;
    std::array<NamedOutput, kCount> list_{};
    bool published_ = false;
};

template <class State>
using Boxed = std::conditional_t<HasOutputs<State>, MultiOutput<State>, SingleOutput<State>>;

}  // namespace prynox
