#pragma once
// The impact specification: a strategy, a book model, a participation cap and a latency.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace prynox {

enum class Feed : std::uint8_t { Kline = 0, Trade = 1, Orderbook = 2, TradeQuote = 3, Derivatives = 4, CrossSection = 5 };

enum class PriceSource : std::uint8_t { Open, High, Low, Close, Volume, Hlc3, Ohlc4 };

struct Expr;

struct Operand {
    enum class Kind : std::uint8_t { Ref, Number, Expr };
    Kind kind = Kind::Number;
    double number = 0.0;
    std::string ref;
    std::unique_ptr<prynox::Expr> expr;

    Operand();
    ~Operand();
    Operand(Operand&&) noexcept;
    Operand& operator=(Operand&&) noexcept;
    static Operand reference(std::string text);
    static Operand constant(double value);
    static Operand expression(prynox::Expr e);
};

struct Expr {
    enum class Kind : std::uint8_t { Price, Prev, Add, Sub, Mul, Div };
    Kind kind = Kind::Price;
    PriceSource price = PriceSource::Close;  // Price
    std::uint32_t count = 0;                 // Prev
    Operand a;                               // Prev, Add..Div
    Operand b;                               // Add..Div
};

enum class Cmp : std::uint8_t { Gt, Lt, Ge, Le, Eq };

struct Condition {
    enum class Kind : std::uint8_t {
        Gt, Lt, Ge, Le, Eq, Ne, CrossAbove, CrossBelow, Between,
        Rising, Falling, All, Any, Not, InPosition, BarsSinceEntry
    };
    Kind kind = Kind::All;
    std::vector<Operand> operands;     // 2 for comparisons and crosses, 3 for between, 1 for rising/falling
    std::vector<Condition> children;   // all, any; exactly one for not
    std::uint32_t count = 0;           // rising, falling, bars_since_entry
    Cmp cmp = Cmp::Gt;                 // bars_since_entry
    bool flag = false;                 // in_position
};

struct Sizing {
    enum class Kind : std::uint8_t { FixedFraction, FixedQty, FixedCash, VolTarget, RiskPerTrade };
    Kind kind = Kind::FixedFraction;
    double value = 0.0;  // fraction, qty, cash, target_vol or risk_pct
    std::uint32_t lookback = 0;  // VolTarget only
};

struct Slippage {
    enum class Kind : std::uint8_t { FixedBps, Spread, VolumeImpact };
    Kind kind = Kind::FixedBps;
    double value = 0.0;  // bps or coef
};

struct Costs {
    double maker_bps = 0.0;
    double taker_bps = 0.0;
    Slippage slippage;
    bool funding = false;
};

struct Risk {
    std::optional<double> stop_loss_pct;
    std::optional<double> take_profit_pct;
    std::optional<double> trailing_stop_pct;
    std::optional<double> max_leverage;
    std::optional<double> max_position_pct;
    bool liquidation = false;
};

enum class OrderType : std::uint8_t { Market, Limit, Stop, StopLimit };
enum class FillTiming : std::uint8_t { NextOpen, Close };

struct Execution {
    OrderType order_type = OrderType::Market;
    FillTiming fill_timing = FillTiming::NextOpen;
    std::optional<double> limit_offset_pct;
    std::optional<double> stop_offset_pct;
    std::uint32_t latency_bars = 0;
    bool partial_fills = false;
    std::optional<double> max_participation;
};

struct IndicatorSpec {
    std::string type;
    std::vector<double> params;
    std::optional<Feed> feed;
};

struct StrategySpec {
    std::uint32_t spec_version = 1;
    std::string symbol;
    std::optional<std::string> ref_symbol;
    std::string timeframe;
    std::map<std::string, IndicatorSpec> indicators;  // byte order of the id
    Condition entry;
    Condition exit;
    std::optional<Condition> short_entry;
    std::optional<Condition> short_exit;
    Sizing sizing;
    Costs costs;
    Risk risk;
    Execution execution;
    std::optional<std::uint32_t> warmup;
};

struct BookModel {
    enum class Kind : std::uint8_t { OrderbookWalk, LinearImpact, SquareRoot };
    Kind kind = Kind::OrderbookWalk;
    std::optional<std::uint64_t> levels;  // OrderbookWalk
    double coef = 0.0;                    // LinearImpact, SquareRoot
};

struct ImpactSpec {
    StrategySpec strategy;
    BookModel book_model;
    double participation_cap = 1.0;
    std::uint64_t latency_ms = 0;
};

}  // namespace prynox
