#include "core/engine/bar_loop.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/engine/account.hpp"
#include "core/engine/book_fill.hpp"
#include "core/engine/float_order.hpp"
#include "core/engine/impact_stats.hpp"
#include "core/engine/indicator_slots.hpp"
#include "core/engine/input_checks.hpp"
#include "core/engine/metrics.hpp"
#include "core/engine/pending_order.hpp"
#include "core/engine/position_sizing.hpp"
#include "core/engine/rules.hpp"
#include "core/engine/value_history.hpp"

namespace prynox {
namespace {

constexpr std::size_t kNoBar = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kTradesReserved = std::size_t{1} << 21;

std::size_t add_sat(std::size_t a, std::uint64_t b) {
    const auto limit = std::numeric_limits<std::size_t>::max();
    return b > limit - a ? limit : a + static_cast<std::size_t>(b);
}

// Protective exit levels as factors of a price, formed once per run.
struct Factors {
    double down = 0.0;  // 1 - pct/100
    double up = 0.0;    // 1 + pct/100
    bool set = false;
};

Factors factors_of(const std::optional<double>& pct) {
    const double p = pct.value_or(0.0);
    return {1.0 - p / 100.0, 1.0 + p / 100.0, pct.has_value()};
}

class BarLoop {
public:
    BarLoop(const ImpactSpec& spec, const RunData& data, RunSetup& setup)
        : spec_(spec),
          s_(spec.strategy),
          data_(data),
          candles_(data.candles),
          n_(data.candles.size()),
          objects_(setup.indicators.objects),
          warmup_(setup.indicators.warmup),
          shift_(latency_shift(spec.latency_ms, setup.bar_ms)),
          maker_(s_.costs.maker_bps / 10000.0),
          taker_(s_.costs.taker_bps / 10000.0),
          stop_(factors_of(s_.risk.stop_loss_pct)),
          trail_(factors_of(s_.risk.trailing_stop_pct)),
          take_(factors_of(s_.risk.take_profit_pct)),
          books_(data.books ? &*data.books : nullptr) {
        entry_rule_ = program_.add_rule(s_.entry);
        exit_rule_ = program_.add_rule(s_.exit);
        if (s_.short_entry) short_entry_rule_ = program_.add_rule(*s_.short_entry);
        short_exit_rule_ = s_.short_exit ? program_.add_rule(*s_.short_exit) : exit_rule_;
        slots_.reserve(objects_.size());
        for (std::size_t k = 0; k < objects_.size(); ++k)
            slots_.emplace_back(setup.indicators.ids[k], objects_[k]->output_names(), program_);
        // Only what an indicator can write gets a column: a key naming no value or output of a
        // declared indicator is missing on every bar and costs no memory.
        std::vector<bool> written(program_.slot_count(), false);
        for (const IndicatorSlots& slots : slots_) slots.mark_written(written);
        const std::vector<std::uint32_t> column = program_.keep_written_slots(written);
        for (IndicatorSlots& slots : slots_) slots.use_columns(column);
        values_ = ValueHistory(program_.column_count(), n_, program_.reach());
        if (data.trades) {
            std::size_t widest = 0;
            for (const auto& bar : *data.trades) widest = std::max(widest, bar.size());
            trade_scratch_.reserve(widest);
        }
        account_.cash = data.capital;
        equity_.reserve(n_);
        // At most one trade closes per bar, plus the end close. Reserving that bound (up to a
        // limit) keeps the list from moving as it grows; only the pages trades fill are touched.
        account_.trades.reserve(std::min<std::size_t>(n_ + 1, kTradesReserved));
    }

    RunResult run() {
        for (std::size_t i = 0; i < n_; ++i) step(i);
        finish_open_position();

        RunResult r;
        BacktestReport& rep = r.report;
        rep.schema_version = 1;
        rep.symbol = s_.symbol;
        rep.timeframe = s_.timeframe;
        rep.metrics = compute_metrics(std::span<const EquityPoint>(equity_), account_.trades, data_.capital);
        rep.trades = std::move(account_.trades);
        rep.equity = std::move(equity_);
        rep.fees_paid = fees_paid_;
        rep.initial_capital = data_.capital;
        r.impact_stats = impact_.finish();
        return r;
    }

private:
    bool position_open() const { return std::fabs(account_.qty) > kEpsilon; }

    // The bar's book, viewed through `book_view_`: valid until the next call.
    const OrderBook* book_at(std::size_t bar) {
        if (books_ == nullptr || bar >= books_->size()) return nullptr;
        book_view_ = (*books_)[bar];
        return &book_view_;
    }

    void step(std::size_t i) {
        const Candle& c = candles_[i];
        settle_pending(i, c);

        const DerivativesTick* tick = nullptr;
        if (data_.derivs && (!objects_.empty() || s_.costs.funding)) {
            const DerivativesTick& t = (*data_.derivs)[i];
            if (tick_passes(t)) tick = &t;
        }
        if (!objects_.empty()) update_indicators(i, c, tick);

        if (position_open()) protective_exits(c);
        if (tick != nullptr && s_.costs.funding && position_open()) {
            account_.cash -= tick->funding_rate * (tick->mark_price * account_.qty);
        }
        equity_.push_back(EquityPoint{c.time, account_.cash + account_.qty * c.close});
        if (i >= warmup_) signals(i, c);
    }

    void settle_pending(std::size_t i, const Candle& c) {
        if (pending_.state == PendingOrder::State::None) return;
        if (pending_.countdown > 0) {
            --pending_.countdown;
            return;
        }
        const PendingOrder order = pending_;
        if (order.state == PendingOrder::State::Exit) {
            pending_ = PendingOrder{};
            if (position_open()) exit_through_book(book_at(add_sat(i, shift_)), c.open, c.time);
            return;
        }
        if (order.kind == OrderKind::Market) {
            pending_ = PendingOrder{};
            open_position(order.is_long, false, i, c.open, c.time, i);
            return;
        }
        const double p = order.trigger_price;
        const bool limit = order.kind == OrderKind::Limit;
        // A long limit and a short stop wait for the price to come down to the trigger.
        const bool from_above = order.is_long == limit;
        const bool triggered = from_above ? c.low <= p : c.high >= p;
        if (!triggered) return;
        pending_ = PendingOrder{};
        const double reference = from_above ? min_num(c.open, p) : max_num(c.open, p);
        open_position(order.is_long, limit, i, reference, c.time, i);
    }

    void update_indicators(std::size_t i, const Candle& c, const DerivativesTick* tick) {
        BarContext ctx;
        ctx.candle = &c;
        if (data_.reference) ctx.reference = (*data_.reference)[i].close;
        ctx.deriv = tick;
        if (data_.trades) ctx.trades = passing_prints((*data_.trades)[i]);
        OrderBook book;  // the view the indicators read, alive for this bar's updates
        if (books_ != nullptr) {
            book = (*books_)[i];
            if (validate_order_book(book)) ctx.book = &book;
        }
        values_.begin_bar(i);
        for (std::size_t k = 0; k < objects_.size(); ++k) {
            Indicator& ind = *objects_[k];
            const OptionalValue v = ind.update(ctx);
            if (!v) continue;
            const IndicatorSlots& slots = slots_[k];
            slots.store_value(i, *v, values_);
            if (slots.reads_outputs()) slots.store_outputs(i, ind.outputs(), values_);
        }
    }

    // The bar's prints that pass their checks: the data itself when all do, else a copy of
    // the passing ones in the reused scratch list.
    std::span<const TradePrint> passing_prints(const std::vector<TradePrint>& prints) {
        std::size_t k = 0;
        while (k < prints.size() && print_passes(prints[k])) ++k;
        if (k == prints.size()) return prints;
        trade_scratch_.assign(prints.begin(), prints.begin() + static_cast<std::ptrdiff_t>(k));
        for (++k; k < prints.size(); ++k) {
            if (print_passes(prints[k])) trade_scratch_.push_back(prints[k]);
        }
        return trade_scratch_;
    }

    void protective_exits(const Candle& c) {
        const bool is_long = account_.qty > 0.0;
        trailing_extreme_ = is_long ? max_num(trailing_extreme_, c.high) : min_num(trailing_extreme_, c.low);

        double price = 0.0;
        std::string_view reason;
        // Long: a level below fires on the low, one above on the high; short: mirrored. The open
        // is taken instead when the bar gapped through the level.
        auto adverse = [&](double level) {
            if (is_long ? c.low <= level : c.high >= level) {
                price = is_long ? min_num(level, c.open) : max_num(level, c.open);
                return true;
            }
            return false;
        };
        auto favourable = [&](double level) {
            if (is_long ? c.high >= level : c.low <= level) {
                price = is_long ? max_num(level, c.open) : min_num(level, c.open);
                return true;
            }
            return false;
        };
        const double entry = account_.entry_price;
        if (entry > 0.0) {
            if (stop_.set && adverse(entry * (is_long ? stop_.down : stop_.up))) {
                reason = kReasonStopLoss;
            } else if (trail_.set && adverse(trailing_extreme_ * (is_long ? trail_.down : trail_.up))) {
                reason = kReasonTrailingStop;
            } else if (take_.set && favourable(entry * (is_long ? take_.up : take_.down))) {
                reason = kReasonTakeProfit;
            }
        }
        if (reason.empty() && s_.risk.liquidation) {
            const double level = -account_.cash / account_.qty;
            if (level > 0.0 && (is_long ? c.low <= level : c.high >= level)) {
                price = level;
                reason = kReasonLiquidation;
            }
        }
        if (reason.empty()) return;
        const double fee = taker_ * std::fabs(account_.qty) * price;
        close_position(account_, c.time, price, fee, reason);
        entry_bar_ = kNoBar;
        fees_paid_ += fee;
    }

    void signals(std::size_t i, const Candle& c) {
        RuleContext ctx;
        ctx.in_position = position_open();
        if (entry_bar_ != kNoBar) {
            ctx.bars_since_entry = static_cast<std::uint32_t>(std::min<std::size_t>(i - entry_bar_, 0xFFFFFFFFu));
        }
        const RuleView view{candles_, &values_};
        const bool at_close = s_.execution.fill_timing == FillTiming::Close;

        if (ctx.in_position) {
            const RuleProgram::Id rule = account_.qty > 0.0 ? exit_rule_ : short_exit_rule_;
            if (!program_.evaluate(rule, view, i + 1, i, ctx)) return;
            if (at_close) {
                exit_through_book(book_at(i), c.close, c.time);
            } else if (pending_.state != PendingOrder::State::Exit) {
                // An exit already waiting keeps its countdown, so a lasting signal cannot hold
                // the position open.
                pending_ = PendingOrder{};
                pending_.state = PendingOrder::State::Exit;
                pending_.countdown = s_.execution.latency_bars;
            }
            return;
        }
        if (pending_.state != PendingOrder::State::None) return;
        bool is_long = true;
        if (!program_.evaluate(entry_rule_, view, i + 1, i, ctx)) {
            if (!s_.short_entry || !program_.evaluate(short_entry_rule_, view, i + 1, i, ctx)) return;
            is_long = false;
        }
        if (at_close) {
            open_position(is_long, false, i, c.close, c.time, i + 1);
            return;
        }
        const auto [kind, trigger] = order_trigger_price(s_.execution, c.close);
        pending_.state = PendingOrder::State::Entry;
        pending_.countdown = s_.execution.latency_bars;
        pending_.is_long = is_long;
        pending_.kind = kind;
        pending_.trigger_price = trigger;
    }

    // history_rows: the bars an entry's sizing may look at (those before it for next-open
    // fills, up to and including its own bar for fills at the close).
    void open_position(bool is_long, bool is_limit, std::size_t i, double reference, std::int64_t time,
                       std::size_t history_rows) {
        const std::size_t fill_bar = add_sat(i, shift_);
        if (fill_bar >= n_) return;
        const std::optional<double> q = size_position(s_.sizing, s_.risk, account_.cash, reference,
                                                      std::span<const Candle>(candles_).first(history_rows));
        if (!q) return;
        const FillResult fill =
            fill_through_book(!is_long, book_at(fill_bar), spec_.book_model, *q, reference, spec_.participation_cap);
        if (!(fill.filled > 0.0)) return;
        const double price = fill.price;
        const double fee = (is_limit ? maker_ : taker_) * fill.filled * price;
        open_account_position(account_, is_long ? fill.filled : -fill.filled, price, fee, time);
        entry_bar_ = i;
        trailing_extreme_ = price;
        fees_paid_ += fee;
        impact_.add_entry(fill);
    }

    // Closes the whole position with reason "signal"; an unfilled part closes at the reference.
    void exit_through_book(const OrderBook* book, double reference, std::int64_t time) {
        const double qty = std::fabs(account_.qty);
        const FillResult fill = fill_through_book(account_.qty > 0.0, book, spec_.book_model, qty, reference,
                                                  spec_.participation_cap);
        const double price = fill.filled > 0.0 ? fill.price : reference;
        const double fee = taker_ * qty * price;
        close_position(account_, time, price, fee, kReasonSignal);
        entry_bar_ = kNoBar;
        fees_paid_ += fee;
        impact_.add_exit(qty, fill.slippage_bps, price);
    }

    void finish_open_position() {
        if (!position_open()) return;
        const Candle& last = candles_.back();
        const double fee = taker_ * std::fabs(account_.qty) * last.close;
        close_position(account_, last.time, last.close, fee, kReasonEnd);
        entry_bar_ = kNoBar;
        fees_paid_ += fee;
    }

    const ImpactSpec& spec_;
    const StrategySpec& s_;
    const RunData& data_;
    const std::vector<Candle>& candles_;
    const std::size_t n_;
    std::vector<std::unique_ptr<Indicator>>& objects_;
    const std::uint64_t warmup_;
    const std::uint64_t shift_;
    const double maker_;
    const double taker_;
    const Factors stop_;
    const Factors trail_;
    const Factors take_;
    const OrderBooks* books_;
    OrderBook book_view_;

    RuleProgram program_;
    RuleProgram::Id entry_rule_ = 0;
    RuleProgram::Id exit_rule_ = 0;
    RuleProgram::Id short_entry_rule_ = 0;
    RuleProgram::Id short_exit_rule_ = 0;
    ValueHistory values_;
    std::vector<IndicatorSlots> slots_;
    std::vector<TradePrint> trade_scratch_;

    Account account_;
    std::size_t entry_bar_ = kNoBar;
    double trailing_extreme_ = 0.0;
    PendingOrder pending_;
    ImpactAccumulators impact_;
    double fees_paid_ = 0.0;
    std::vector<EquityPoint> equity_;
};

}  // namespace

RunResult run_bar_loop(const ImpactSpec& spec, const RunData& data, RunSetup& setup) {
    BarLoop loop(spec, data, setup);
    return loop.run();
}

}  // namespace prynox
