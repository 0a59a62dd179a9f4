// Builds a small specification and market from the fuzzer's bytes and runs it whole: every
// setting, rule form and data series, with hostile numbers. Nothing may crash or hang, and the
// answer must be one JSON value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/json/lexer.hpp"
#include "core/protocol/command.hpp"
#include "core/text/float_text.hpp"

namespace {

class Builder {
public:
    explicit Builder(FuzzedDataProvider& in) : in_(in) {}

    std::string number() {
        static constexpr double kSpecial[] = {0.0, -0.0, 1.0, -1.0, 1e-300, 1e300, 1.7976931348623157e308,
                                              5e-324, 100.0, 0.5, 2.220446049250313e-16, 4294967296.0};
        if (in_.ConsumeBool()) return fmt(kSpecial[in_.ConsumeIntegralInRange<int>(0, 11)]);
        return fmt(in_.ConsumeFloatingPointInRange<double>(-1e6, 1e6));
    }
    std::string count() { return std::to_string(in_.ConsumeIntegralInRange<std::uint32_t>(0, 40)); }

    std::string operand(int depth) {
        switch (in_.ConsumeIntegralInRange<int>(0, depth > 0 ? 5 : 2)) {
            case 0: return "\"" + id() + "\"";
            case 1: return number();
            case 2: {
                static const char* kPrices[] = {"open", "high", "low", "close", "volume", "hlc3", "ohlc4"};
                return std::string(R"({"price":")") + kPrices[in_.ConsumeIntegralInRange<int>(0, 6)] + "\"}";
            }
            case 3: return R"({"prev":[)" + operand(depth - 1) + "," + count() + "]}";
            default: {
                static const char* kOps[] = {"add", "sub", "mul", "div"};
                return std::string("{\"") + kOps[in_.ConsumeIntegralInRange<int>(0, 3)] + "\":[" + operand(depth - 1) +
                       "," + operand(depth - 1) + "]}";
            }
        }
    }

    std::string condition(int depth) {
        static const char* kPairs[] = {"gt", "lt", "ge", "le", "eq", "ne", "cross_above", "cross_below"};
        switch (in_.ConsumeIntegralInRange<int>(0, depth > 0 ? 8 : 5)) {
            case 0:
            case 1:
                return std::string("{\"") + kPairs[in_.ConsumeIntegralInRange<int>(0, 7)] + "\":[" + operand(2) + "," +
                       operand(2) + "]}";
            case 2: return R"({"between":[)" + operand(1) + "," + operand(1) + "," + operand(1) + "]}";
            case 3: return std::string("{\"") + (in_.ConsumeBool() ? "rising" : "falling") + "\":[" + operand(1) + "," + count() + "]}";
            case 4: return std::string(R"({"in_position":)") + (in_.ConsumeBool() ? "true" : "false") + "}";
            case 5: {
                static const char* kCmp[] = {"gt", "lt", "ge", "le", "eq"};
                return std::string(R"({"bars_since_entry":{")") + kCmp[in_.ConsumeIntegralInRange<int>(0, 4)] + "\":" + count() + "}}";
            }
            case 6: return R"({"not":)" + condition(depth - 1) + "}";
            default: {
                std::string s = std::string("{\"") + (in_.ConsumeBool() ? "all" : "any") + "\":[";
                const int n = in_.ConsumeIntegralInRange<int>(0, 3);
                for (int k = 0; k < n; ++k) s += (k ? "," : "") + condition(depth - 1);
                return s + "]}";
            }
        }
    }

    std::string id() {
        static const char* kIds[] = {"a", "b", "c", "a.upper", "zz", ""};
        return kIds[in_.ConsumeIntegralInRange<int>(0, 5)];
    }

    std::string indicators() {
        static const char* kTypes[] = {"Sma", "Ema", "Wma", "Kama", "Rsi", "Alma", "Hma", "T3", "MedianMa",
                                       "BollingerBands", "Macd", "Atr", "PairSpreadZScore", "SpreadBollingerBands",
                                       "VolatilityOfVolatility", "Nope"};
        std::string s = "{";
        const int n = in_.ConsumeIntegralInRange<int>(0, 3);
        for (int k = 0; k < n; ++k) {
            s += std::string(k ? "," : "") + "\"" + "abc"[k] + "\":{\"type\":\"" +
                 kTypes[in_.ConsumeIntegralInRange<int>(0, 15)] + "\",\"params\":[";
            const int p = in_.ConsumeIntegralInRange<int>(0, 3);
            for (int j = 0; j < p; ++j) s += (j ? "," : "") + (in_.ConsumeBool() ? count() : number());
            s += "]}";
        }
        return s + "}";
    }

    std::string spec() {
        static const char* kSizing[] = {R"({"type":"fixed_fraction","fraction":%})", R"({"type":"fixed_qty","qty":%})",
                                        R"({"type":"fixed_cash","cash":%})", R"({"type":"vol_target","target_vol":%,"lookback":5})",
                                        R"({"type":"risk_per_trade","risk_pct":%})"};
        std::string sizing = kSizing[in_.ConsumeIntegralInRange<int>(0, 4)];
        sizing.replace(sizing.find('%'), 1, number());
        std::string s = R"({"strategy":{"symbol":"S","timeframe":")" + std::string(in_.ConsumeBool() ? "1m" : "1h") +
                        R"(","indicators":)" + indicators() + R"(,"entry":)" + condition(3) + R"(,"exit":)" + condition(3);
        if (in_.ConsumeBool()) s += R"(,"short_entry":)" + condition(2) + R"(,"short_exit":)" + condition(2);
        s += R"(,"sizing":)" + sizing;
        s += R"(,"costs":{"maker_bps":)" + number() + R"(,"taker_bps":)" + number() + R"(,"funding":)" +
             (in_.ConsumeBool() ? "true" : "false") + "}";
        s += R"(,"risk":{)";
        static const char* kRisk[] = {"stop_loss_pct", "take_profit_pct", "trailing_stop_pct", "max_leverage", "max_position_pct"};
        for (const char* k : kRisk) s += std::string("\"") + k + "\":" + (in_.ConsumeBool() ? number() : "null") + ",";
        s += std::string(R"("liquidation":)") + (in_.ConsumeBool() ? "true" : "false") + "}";
        static const char* kOrder[] = {"market", "limit", "stop", "stop_limit"};
        s += std::string(R"(,"execution":{"order_type":")") + kOrder[in_.ConsumeIntegralInRange<int>(0, 3)] +
             R"(","fill_timing":")" + (in_.ConsumeBool() ? "close" : "next_open") + R"(","limit_offset_pct":)" +
             number() + R"(,"stop_offset_pct":)" + number() + R"(,"latency_bars":)" +
             std::to_string(in_.ConsumeIntegralInRange<int>(0, 3)) + "}";
        if (in_.ConsumeBool()) s += R"(,"warmup":)" + count();
        s += "}";
        static const char* kBook[] = {R"({"kind":"orderbook_walk"})", R"({"kind":"orderbook_walk","levels":1})",
                                      R"({"kind":"linear_impact","coef":%})", R"({"kind":"square_root","coef":%})"};
        std::string book = kBook[in_.ConsumeIntegralInRange<int>(0, 3)];
        if (auto at = book.find('%'); at != std::string::npos) book.replace(at, 1, number());
        s += R"(,"book_model":)" + book + R"(,"participation_cap":)" + number() + R"(,"latency_ms":)" +
             std::to_string(in_.ConsumeIntegralInRange<int>(0, 100000)) + "}";
        return s;
    }

    std::string data() {
        const int n = in_.ConsumeIntegralInRange<int>(0, 40);
        const bool books = in_.ConsumeBool(), trades = in_.ConsumeBool(), derivs = in_.ConsumeBool(), ref = in_.ConsumeBool();
        std::string c = "[", b = "[", t = "[", d = "[", r = "[";
        for (int k = 0; k < n; ++k) {
            const std::string sep = k ? "," : "";
            c += sep + candle(k);
            r += sep + candle(k);
            b += sep + book();
            t += sep + "[" + (in_.ConsumeBool() ? R"({"price":)" + number() + R"(,"size":)" + number() + R"(,"side":"sell"})" : "") + "]";
            d += sep + "[";
            for (int f = 0; f < 11; ++f) d += (f ? "," : "") + number();
            d += "]";
        }
        std::string s = R"({"candles":)" + c + "]" + R"(,"capital":)" + number();
        if (books) s += R"(,"books":)" + b + "]";
        if (trades) s += R"(,"trades":)" + t + "]";
        if (derivs) s += R"(,"derivs":)" + d + "]";
        if (ref) s += R"(,"reference":)" + r + "]";
        return s + "}";
    }

    // A bar's book in each form a run may write it: the sides in either order, as an array, or
    // with a side written twice (the last counts).
    std::string book() {
        const std::string bids = "[" + levels() + "]";
        const std::string asks = "[" + levels() + "]";
        switch (in_.ConsumeIntegralInRange<int>(0, 3)) {
            case 0: return R"({"bids":)" + bids + R"(,"asks":)" + asks + "}";
            case 1: return R"({"asks":)" + asks + R"(,"bids":)" + bids + "}";
            case 2: return "[" + bids + "," + asks + "]";
            default: return R"({"bids":[[1,1]],"asks":)" + asks + R"(,"bids":)" + bids + "}";
        }
    }

private:
    static std::string fmt(double v) {
        std::string s;
        prynox::append_float_json(s, v);
        return s;
    }

    std::string candle(int k) {
        return "[" + std::to_string(k * 60000) + "," + number() + "," + number() + "," + number() + "," + number() + "," +
               number() + "]";
    }
    std::string levels() {
        std::string s;
        const int n = in_.ConsumeIntegralInRange<int>(0, 3);
        for (int k = 0; k < n; ++k) s += std::string(k ? "," : "") + "[" + number() + "," + number() + "]";
        return s;
    }

    FuzzedDataProvider& in_;
};

void expect_json(const std::string& answer) {
    prynox::Lexer lx(answer, false);
    if (!lx.skip_value(true) || !lx.end()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Builder b(in);
    std::optional<prynox::ImpactSpec> slot;
    const std::string spec = b.spec();
    const std::string set = prynox::run_command(slot, R"({"cmd":"set_spec","spec":)" + spec + "}");
    if (set != R"({"ok":true})") std::abort();  // every generated specification is well-formed
    expect_json(prynox::run_command(slot, R"({"cmd":"run","data":)" + b.data() + "}"));
    return 0;
}
