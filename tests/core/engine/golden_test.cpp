#include <gtest/gtest.h>

#include <string>

#include "core/engine/backtest.hpp"
#include "core/json/market_reader.hpp"
#include "core/json/report_writer.hpp"
#include "core/json/spec_reader.hpp"
#include "core/protocol/command.hpp"
#include "core/registry/indicator_source.hpp"

namespace prynox {
namespace {

struct GoldenCase {
    const char* name;
    const char* spec;
    const char* command;
    const char* answer;
};

// Whole "run" answers, byte for byte: every number was checked by hand against the run's
// arithmetic before it was pinned here.
const GoldenCase kGolden[] = {
    {"WalkCrossoverNextOpen",
     R"json({"strategy":{"symbol":"BTC-USD","timeframe":"1h","indicators":{},"entry":{"cross_above":[{"price":"close"},{"prev":[{"price":"close"},1]}]},"exit":{"cross_below":[{"price":"close"},{"prev":[{"price":"close"},1]}]},"sizing":{"type":"fixed_fraction","fraction":0.5},"costs":{"maker_bps":2,"taker_bps":10}},"book_model":{"kind":"orderbook_walk","levels":2},"participation_cap":0.5})json",
     R"json({"cmd":"run","data":{"candles":[{"time":1700000000000,"open":100,"high":101,"low":99,"close":100,"volume":10},{"time":1700003600000,"open":100,"high":103,"low":99,"close":102,"volume":10},{"time":1700007200000,"open":102,"high":102,"low":97,"close":98,"volume":10},{"time":1700010800000,"open":98,"high":101,"low":97,"close":100,"volume":10},{"time":1700014400000,"open":101,"high":104,"low":100,"close":103,"volume":10},{"time":1700018000000,"open":103,"high":103,"low":98,"close":99,"volume":10},{"time":1700021600000,"open":98,"high":99,"low":95,"close":96,"volume":10},{"time":1700025200000,"open":96,"high":98,"low":95,"close":97,"volume":10},{"time":1700028800000,"open":97,"high":99,"low":96,"close":98,"volume":10}],"capital":1000,"books":[{"bids":[[99.5,3],[99,5],[98,50]],"asks":[[100.5,3],[101,5],[102,50]]},{"bids":[[99.5,3],[99,5],[98,50]],"asks":[[100.5,3],[101,5],[102,50]]},{"bids":[[101.5,3],[101,5],[100,50]],"asks":[[102.5,3],[103,5],[104,50]]},{"bids":[[97.5,3],[97,5],[96,50]],"asks":[[98.5,3],[99,5],[100,50]]},{"bids":[[100.5,3],[100,5],[99,50]],"asks":[[101.5,3],[102,5],[103,50]]},{"bids":[[102.5,3],[102,5],[101,50]],"asks":[[103.5,3],[104,5],[105,50]]},{"bids":[[97.5,3],[97,5],[96,50]],"asks":[[98.5,3],[99,5],[100,50]]},{"bids":[[95.5,3],[95,5],[94,50]],"asks":[[96.5,3],[97,5],[98,50]]},{"bids":[[96.5,3],[96,5],[95,50]],"asks":[[97.5,3],[98,5],[99,50]]}]}})json",
     R"json({"report":{"schema_version":1,"symbol":"BTC-USD","timeframe":"1h","metrics":{"pnl":-16.686500000000024,"return_pct":-1.6686500000000024,"sharpe":-0.3432874753711826,"sortino":-0.3390084787679487,"calmar":-0.7327155546320375,"max_drawdown":2.2773503161646156,"win_rate":50.0,"profit_factor":0.040318048999775216,"num_trades":2},"trades":[{"entry_time":1700014400000,"exit_time":1700021600000,"entry_price":101.625,"exit_price":97.375,"qty":4.0,"pnl":-17.796000000000003,"return_pct":-4.377859778597787,"reason":"signal"},{"entry_time":1700028800000,"exit_time":1700028800000,"entry_price":97.625,"exit_price":98.0,"qty":4.0,"pnl":0.7174999999999999,"return_pct":0.18373879641485272,"reason":"end"}],"equity":[{"time":1700000000000,"equity":1000.0},{"time":1700003600000,"equity":1000.0},{"time":1700007200000,"equity":1000.0},{"time":1700010800000,"equity":1000.0},{"time":1700014400000,"equity":1005.0935},{"time":1700018000000,"equity":989.0935},{"time":1700021600000,"equity":982.204},{"time":1700025200000,"equity":982.204},{"time":1700028800000,"equity":983.3135}],"fees_paid":1.5785,"initial_capital":1000.0},"impact_stats":{"avg_slippage_bps":63.36322934,"liquidity_consumed":1186.5,"orders_partially_filled":2}})json"},
    {"ShortAtCloseWithStops",
     R"json({"strategy":{"symbol":"ETH \"perp\"","timeframe":" 1m ","indicators":{},"entry":{"gt":[{"price":"close"},1000000000.0]},"exit":{"in_position":false},"short_entry":{"lt":[{"price":"close"},{"prev":[{"price":"close"},1]}]},"short_exit":{"bars_since_entry":{"ge":3}},"sizing":{"type":"fixed_qty","qty":10},"costs":{"taker_bps":5},"risk":{"stop_loss_pct":2,"take_profit_pct":3},"execution":{"fill_timing":"close"},"warmup":1},"book_model":{"kind":"linear_impact","coef":0.05}})json",
     R"json({"cmd":"run","data":{"candles":[[-120000,50,51,49,50],[-60000,50,50.5,48,49],[0,49,49.5,48,48.5],[60000,48.5,48.6,47,47.2],[120000,47.3,48.5,47,48],[180000,48,48.2,47.5,47.6],[240000,47.6,47.8,47.4,47.5],[300000,47.5,47.7,47.3,47.4],[360000,47.4,47.6,47.2,47.3],[420000,47.3,47.5,47.1,47.2]],"books":[{"bids":[{"price":49.9,"size":60},{"price":49.8,"size":40}],"asks":[{"price":50.1,"size":100}]},{"bids":[{"price":48.9,"size":60},{"price":48.8,"size":40}],"asks":[{"price":49.1,"size":100}]},{"bids":[{"price":48.4,"size":60},{"price":48.3,"size":40}],"asks":[{"price":48.6,"size":100}]},{"bids":[{"price":47.1,"size":60},{"price":47.0,"size":40}],"asks":[{"price":47.300000000000004,"size":100}]},{"bids":[{"price":47.9,"size":60},{"price":47.8,"size":40}],"asks":[{"price":48.1,"size":100}]},{"bids":[{"price":47.5,"size":60},{"price":47.4,"size":40}],"asks":[{"price":47.7,"size":100}]},{"bids":[{"price":47.4,"size":60},{"price":47.3,"size":40}],"asks":[{"price":47.6,"size":100}]},{"bids":[{"price":47.3,"size":60},{"price":47.199999999999996,"size":40}],"asks":[{"price":47.5,"size":100}]},{"bids":[{"price":47.199999999999996,"size":60},{"price":47.099999999999994,"size":40}],"asks":[{"price":47.4,"size":100}]},{"bids":[{"price":47.1,"size":60},{"price":47.0,"size":40}],"asks":[{"price":47.300000000000004,"size":100}]}]}})json",
     R"json({"report":{"schema_version":1,"symbol":"ETH \"perp\"","timeframe":" 1m ","metrics":{"pnl":2.059634349978296,"return_pct":0.002059634349978296,"sharpe":0.043125301682319685,"sortino":0.06649812431341161,"calmar":0.17043012806271277,"max_drawdown":0.012084919335508669,"win_rate":25.0,"profit_factor":0.9483031143481921,"num_trades":4},"trades":[{"entry_time":-60000,"exit_time":60000,"entry_price":48.755,"exit_price":47.29235,"qty":-10.0,"pnl":14.146263250000036,"return_pct":2.901500000000007,"reason":"take_profit"},{"entry_time":60000,"exit_time":120000,"entry_price":46.964,"exit_price":47.90328,"qty":-10.0,"pnl":-9.867136400000035,"return_pct":-2.1010000000000075,"reason":"stop_loss"},{"entry_time":180000,"exit_time":360000,"entry_price":47.362,"exit_price":47.5365,"qty":-10.0,"pnl":-2.2194924999999475,"return_pct":-0.4686230522359587,"reason":"signal"},{"entry_time":420000,"exit_time":420000,"entry_price":46.964,"exit_price":47.2,"qty":-10.0,"pnl":-2.8308200000000423,"return_pct":-0.6027638190954864,"reason":"end"}],"equity":[{"time":-120000,"equity":100000.0},{"time":-60000,"equity":100000.0},{"time":0,"equity":100002.306225},{"time":60000,"equity":100014.14626324999},{"time":120000,"equity":100004.27912684999},{"time":180000,"equity":100004.27912684999},{"time":240000,"equity":100002.66231684998},{"time":300000,"equity":100003.66231684998},{"time":360000,"equity":100004.66231684998},{"time":420000,"equity":100002.05963434998}],"fees_paid":1.89988565,"initial_capital":100000.0},"impact_stats":{"avg_slippage_bps":50.0,"liquidity_consumed":2375.815,"orders_partially_filled":0}})json"},
    {"SmaCrossover",
     R"json({"strategy":{"symbol":"SMA","timeframe":"1d","indicators":{"sma":{"type":"Sma","params":[3]}},"entry":{"cross_above":[{"price":"close"},"sma"]},"exit":{"cross_below":[{"price":"close"},"sma"]},"sizing":{"type":"fixed_cash","cash":500},"costs":{"taker_bps":4}},"book_model":{"kind":"orderbook_walk"}})json",
     R"json({"cmd":"run","data":{"candles":[{"time":0,"open":10,"high":10.5,"low":9.5,"close":10,"volume":100},{"time":86400000,"open":10,"high":11.5,"low":9.5,"close":11,"volume":101},{"time":172800000,"open":11,"high":12.5,"low":10.5,"close":12,"volume":102},{"time":259200000,"open":12,"high":12.5,"low":10.5,"close":11,"volume":103},{"time":345600000,"open":11,"high":11.5,"low":9.5,"close":10,"volume":104},{"time":432000000,"open":10,"high":10.5,"low":8.5,"close":9,"volume":105},{"time":518400000,"open":9,"high":10.5,"low":8.5,"close":10,"volume":106},{"time":604800000,"open":10,"high":12.5,"low":9.5,"close":12,"volume":107},{"time":691200000,"open":12,"high":13.5,"low":11.5,"close":13,"volume":108},{"time":777600000,"open":13,"high":13.5,"low":10.5,"close":11,"volume":109}],"capital":5000,"books":[{"bids":[[9.99,1000]],"asks":[[10.01,1000]]},{"bids":[[9.99,1000]],"asks":[[10.01,1000]]},{"bids":[[10.99,1000]],"asks":[[11.01,1000]]},{"bids":[[11.99,1000]],"asks":[[12.01,1000]]},{"bids":[[10.99,1000]],"asks":[[11.01,1000]]},{"bids":[[9.99,1000]],"asks":[[10.01,1000]]},{"bids":[[8.99,1000]],"asks":[[9.01,1000]]},{"bids":[[9.99,1000]],"asks":[[10.01,1000]]},{"bids":[[11.99,1000]],"asks":[[12.01,1000]]},{"bids":[[12.99,1000]],"asks":[[13.01,1000]]}]}})json",
     R"json({"report":{"schema_version":1,"symbol":"SMA","timeframe":"1d","metrics":{"pnl":49.29979999999978,"return_pct":0.9859959999999955,"sharpe":0.11672086139062625,"sortino":0.17585050481572995,"calmar":0.5077189005600776,"max_drawdown":1.9420116109767003,"win_rate":100.0,"profit_factor":null,"num_trades":1},"trades":[{"entry_time":604800000,"exit_time":777600000,"entry_price":10.01,"exit_price":11.0,"qty":50.0,"pnl":49.07980000000001,"return_pct":9.80615384615385,"reason":"end"}],"equity":[{"time":0,"equity":5000.0},{"time":86400000,"equity":5000.0},{"time":172800000,"equity":5000.0},{"time":259200000,"equity":5000.0},{"time":345600000,"equity":5000.0},{"time":432000000,"equity":5000.0},{"time":518400000,"equity":5000.0},{"time":604800000,"equity":5099.2998},{"time":691200000,"equity":5149.2998},{"time":777600000,"equity":5049.2998}],"fees_paid":0.4202,"initial_capital":5000.0},"impact_stats":{"avg_slippage_bps":10.0,"liquidity_consumed":500.5,"orders_partially_filled":0}})json"},
    {"FundingWinnersOnly",
     R"json({"strategy":{"symbol":"FUND","timeframe":"4h","indicators":{},"entry":{"all":[]},"exit":{"any":[]},"sizing":{"type":"fixed_qty","qty":2},"costs":{"funding":true},"execution":{"fill_timing":"close"}},"book_model":{"kind":"square_root","coef":0},"latency_ms":0})json",
     R"json({"cmd":"run","data":{"candles":[[0,100,101,99,100,5],[14400000,101,102,100,101,5],[28800000,102,103,101,102,5],[43200000,103,104,102,103,5]],"capital":1000,"books":[[[[99,10]],[[101,10]]],[[[100,10]],[[102,10]]],[[[101,10]],[[103,10]]],[[[102,10]],[[104,10]]]],"derivs":[{"funding_rate":-0.0001,"mark_price":100,"index_price":100,"futures_price":100,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":101,"index_price":101,"futures_price":101,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":0,"index_price":102,"futures_price":102,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0002,"mark_price":103,"index_price":103,"futures_price":103,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0}],"trades":[[],[],[[1,1,"buy",5]],[]]}})json",
     R"json({"report":{"schema_version":1,"symbol":"FUND","timeframe":"4h","metrics":{"pnl":6.061400000000049,"return_pct":0.6061400000000048,"sharpe":131.22221378113332,"sortino":0.0,"calmar":null,"max_drawdown":0.0,"win_rate":100.0,"profit_factor":null,"num_trades":1},"trades":[{"entry_time":0,"exit_time":43200000,"entry_price":100.0,"exit_price":103.0,"qty":2.0,"pnl":6.0,"return_pct":3.0,"reason":"end"}],"equity":[{"time":0,"equity":1000.0},{"time":14400000,"equity":1002.0202},{"time":28800000,"equity":1004.0202},{"time":43200000,"equity":1006.0614}],"fees_paid":0.0,"initial_capital":1000.0},"impact_stats":{"avg_slippage_bps":0.0,"liquidity_consumed":200.0,"orders_partially_filled":0}})json"},
    {"NoCandles",
     R"json({"strategy":{"symbol":"FUND","timeframe":"4h","indicators":{},"entry":{"all":[]},"exit":{"any":[]},"sizing":{"type":"fixed_qty","qty":2},"costs":{"funding":true},"execution":{"fill_timing":"close"}},"book_model":{"kind":"square_root","coef":0},"latency_ms":0})json",
     R"json({"cmd":"run","data":{"candles":[]}})json",
     R"json({"ok":false,"error":"data: no candles"})json"},
    {"SpecVersion",
     R"json({"strategy":{"spec_version":2,"symbol":"X","timeframe":"1h","indicators":{"a":{"type":"Nope"}},"entry":{"gt":["a",1]},"exit":{"lt":["a.b",0]},"sizing":{"type":"risk_per_trade","risk_pct":1}},"book_model":{"kind":"orderbook_walk"}})json",
     R"json({"cmd":"run","data":{"candles":[[0,100,101,99,100,5],[14400000,101,102,100,101,5],[28800000,102,103,101,102,5],[43200000,103,104,102,103,5]],"capital":1000,"books":[[[[99,10]],[[101,10]]],[[[100,10]],[[102,10]]],[[[101,10]],[[103,10]]],[[[102,10]],[[104,10]]]],"derivs":[{"funding_rate":-0.0001,"mark_price":100,"index_price":100,"futures_price":100,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":101,"index_price":101,"futures_price":101,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":0,"index_price":102,"futures_price":102,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0002,"mark_price":103,"index_price":103,"futures_price":103,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0}],"trades":[[],[],[[1,1,"buy",5]],[]]}})json",
     R"json({"ok":false,"error":"bad spec: invalid strategy spec: spec_version 2 is not supported; this build reads 1..=1"})json"},
    {"RiskPerTradeWithoutStop",
     R"json({"strategy":{"symbol":"X","timeframe":"1h","indicators":{"a":{"type":"Nope"}},"entry":{"gt":["a",1]},"exit":{"lt":["a.b",0]},"sizing":{"type":"risk_per_trade","risk_pct":1}},"book_model":{"kind":"orderbook_walk"}})json",
     R"json({"cmd":"run","data":{"candles":[[0,100,101,99,100,5],[14400000,101,102,100,101,5],[28800000,102,103,101,102,5],[43200000,103,104,102,103,5]],"capital":1000,"books":[[[[99,10]],[[101,10]]],[[[100,10]],[[102,10]]],[[[101,10]],[[103,10]]],[[[102,10]],[[104,10]]]],"derivs":[{"funding_rate":-0.0001,"mark_price":100,"index_price":100,"futures_price":100,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":101,"index_price":101,"futures_price":101,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":0,"index_price":102,"futures_price":102,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0002,"mark_price":103,"index_price":103,"futures_price":103,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0}],"trades":[[],[],[[1,1,"buy",5]],[]]}})json",
     R"json({"ok":false,"error":"bad spec: invalid strategy spec: sizing risk_per_trade requires risk.stop_loss_pct: the position size is                  derived from the distance to the stop"})json"},
    {"StopLimitWithoutStopOffset",
     R"json({"strategy":{"symbol":"X","timeframe":"1h","indicators":{"a":{"type":"Nope"}},"entry":{"gt":["a",1]},"exit":{"lt":["a.b",0]},"sizing":{"type":"fixed_qty","qty":1},"execution":{"order_type":"stop_limit","limit_offset_pct":1}},"book_model":{"kind":"orderbook_walk"}})json",
     R"json({"cmd":"run","data":{"candles":[[0,100,101,99,100,5],[14400000,101,102,100,101,5],[28800000,102,103,101,102,5],[43200000,103,104,102,103,5]],"capital":1000,"books":[[[[99,10]],[[101,10]]],[[[100,10]],[[102,10]]],[[[101,10]],[[103,10]]],[[[102,10]],[[104,10]]]],"derivs":[{"funding_rate":-0.0001,"mark_price":100,"index_price":100,"futures_price":100,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":101,"index_price":101,"futures_price":101,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":0,"index_price":102,"futures_price":102,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0002,"mark_price":103,"index_price":103,"futures_price":103,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0}],"trades":[[],[],[[1,1,"buy",5]],[]]}})json",
     R"json({"ok":false,"error":"bad spec: invalid strategy spec: stop_limit order_type requires both execution.stop_offset_pct and                      execution.limit_offset_pct"})json"},
    {"UnknownIndicator",
     R"json({"strategy":{"symbol":"X","timeframe":"1h","indicators":{"a":{"type":"Nope"}},"entry":{"gt":["a",1]},"exit":{"lt":["a.b",0]},"sizing":{"type":"fixed_qty","qty":1}},"book_model":{"kind":"orderbook_walk"}})json",
     R"json({"cmd":"run","data":{"candles":[[0,100,101,99,100,5],[14400000,101,102,100,101,5],[28800000,102,103,101,102,5],[43200000,103,104,102,103,5]],"capital":1000,"books":[[[[99,10]],[[101,10]]],[[[100,10]],[[102,10]]],[[[101,10]],[[103,10]]],[[[102,10]],[[104,10]]]],"derivs":[{"funding_rate":-0.0001,"mark_price":100,"index_price":100,"futures_price":100,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":101,"index_price":101,"futures_price":101,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":0,"index_price":102,"futures_price":102,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0002,"mark_price":103,"index_price":103,"futures_price":103,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0}],"trades":[[],[],[[1,1,"buy",5]],[]]}})json",
     R"json({"ok":false,"error":"backtest: unknown indicator type: Nope"})json"},
    {"IndicatorParameters",
     R"json({"strategy":{"symbol":"X","timeframe":"1h","indicators":{"a":{"type":"Sma","params":[]}},"entry":{"gt":["a",1]},"exit":{"lt":["a.b",0]},"sizing":{"type":"fixed_qty","qty":1}},"book_model":{"kind":"orderbook_walk"}})json",
     R"json({"cmd":"run","data":{"candles":[[0,100,101,99,100,5],[14400000,101,102,100,101,5],[28800000,102,103,101,102,5],[43200000,103,104,102,103,5]],"capital":1000,"books":[[[[99,10]],[[101,10]]],[[[100,10]],[[102,10]]],[[[101,10]],[[103,10]]],[[[102,10]],[[104,10]]]],"derivs":[{"funding_rate":-0.0001,"mark_price":100,"index_price":100,"futures_price":100,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":101,"index_price":101,"futures_price":101,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0001,"mark_price":0,"index_price":102,"futures_price":102,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0},{"funding_rate":-0.0002,"mark_price":103,"index_price":103,"futures_price":103,"open_interest":1,"long_size":1,"short_size":1,"taker_buy_volume":1,"taker_sell_volume":1,"long_liquidation":0,"short_liquidation":0}],"trades":[[],[],[[1,1,"buy",5]],[]]}})json",
     R"json({"ok":false,"error":"backtest: invalid parameters for indicator Sma: missing parameter #0"})json"},
};

TEST(EngineGolden, AnswersByteForByte) {
    for (const GoldenCase& c : kGolden) {
        SCOPED_TRACE(c.name);
        auto spec = impact_spec_from_json(c.spec);
        ASSERT_TRUE(spec.has_value()) << spec.error().display();
        std::optional<ImpactSpec> handle(std::move(*spec));
        EXPECT_EQ(run_command(handle, c.command), c.answer);
    }
}

RunResult run_case(const GoldenCase& c) {
    auto spec = impact_spec_from_json(c.spec);
    if (!spec) throw std::runtime_error(spec.error().display());
    const std::string_view cmd = c.command;
    const std::size_t at = cmd.find("\"data\":") + 7;
    auto data = run_data_from_value(cmd, at);
    if (!data) throw std::runtime_error(data.error().display());
    auto r = run_backtest(*spec, *data, registry_indicator_source());
    if (!r) throw std::runtime_error(r.error().display());
    return std::move(*r);
}

void expect_trade(const TradeRecord& t, std::int64_t entry_time, std::int64_t exit_time, double entry_price,
                  double exit_price, double qty, double pnl, double return_pct, const char* reason) {
    EXPECT_EQ(t.entry_time, entry_time);
    EXPECT_EQ(t.exit_time, exit_time);
    EXPECT_EQ(t.entry_price, entry_price);
    EXPECT_EQ(t.exit_price, exit_price);
    EXPECT_EQ(t.qty, qty);
    EXPECT_EQ(t.pnl, pnl);
    EXPECT_EQ(t.return_pct, return_pct);
    EXPECT_EQ(t.reason, reason);
}

void expect_equity(const std::vector<EquityPoint>& got, std::int64_t t0, std::int64_t step,
                   const std::vector<double>& values) {
    ASSERT_EQ(got.size(), values.size());
    for (std::size_t k = 0; k < values.size(); ++k) {
        EXPECT_EQ(got[k].time, t0 + static_cast<std::int64_t>(k) * step) << k;
        EXPECT_EQ(got[k].equity, values[k]) << k;
    }
}

// Walk of two levels at half participation: both entries fill 4 of the sized quantity (two
// partial fills); 101.625 = (3 x 101.5 + 1 x 102) / 4 against a mid of 101.
TEST(EngineGolden, WalkCrossoverFieldByField) {
    const RunResult r = run_case(kGolden[0]);
    const BacktestReport& rep = r.report;
    EXPECT_EQ(rep.schema_version, 1u);
    EXPECT_EQ(rep.symbol, "BTC-USD");
    EXPECT_EQ(rep.timeframe, "1h");
    ASSERT_EQ(rep.trades.size(), 2u);
    expect_trade(rep.trades[0], 1700014400000, 1700021600000, 101.625, 97.375, 4.0, -17.796000000000003,
                 -4.377859778597787, "signal");
    expect_trade(rep.trades[1], 1700028800000, 1700028800000, 97.625, 98.0, 4.0, 0.7174999999999999,
                 0.18373879641485272, "end");
    expect_equity(rep.equity, 1700000000000, 3600000,
                  {1000, 1000, 1000, 1000, 1005.0935, 989.0935, 982.204, 982.204, 983.3135});
    EXPECT_EQ(rep.metrics.pnl, -16.686500000000024);
    EXPECT_EQ(rep.metrics.return_pct, -1.6686500000000024);
    EXPECT_EQ(rep.metrics.sharpe, -0.3432874753711826);
    EXPECT_EQ(rep.metrics.sortino, -0.3390084787679487);
    EXPECT_EQ(rep.metrics.calmar, -0.7327155546320375);
    EXPECT_EQ(rep.metrics.max_drawdown, 2.2773503161646156);
    EXPECT_EQ(rep.metrics.win_rate, 50.0);
    EXPECT_EQ(rep.metrics.profit_factor, 0.040318048999775216);
    EXPECT_EQ(rep.metrics.num_trades, 2u);
    EXPECT_EQ(rep.fees_paid, 1.5785);
    EXPECT_EQ(rep.initial_capital, 1000.0);
    EXPECT_EQ(r.impact_stats.avg_slippage_bps, 63.36322934);
    EXPECT_EQ(r.impact_stats.liquidity_consumed, 1186.5);
    EXPECT_EQ(r.impact_stats.orders_partially_filled, 2u);
}

// Shorts at the close through a linear impact of 0.05 x 10 / 100 (every fill 50 bps from the
// mid): a take-profit, a stop-loss, a signal exit after three bars, and the end close.
TEST(EngineGolden, ShortAtCloseFieldByField) {
    const RunResult r = run_case(kGolden[1]);
    const BacktestReport& rep = r.report;
    EXPECT_EQ(rep.symbol, "ETH \"perp\"");
    EXPECT_EQ(rep.timeframe, " 1m ");
    ASSERT_EQ(rep.trades.size(), 4u);
    expect_trade(rep.trades[0], -60000, 60000, 48.755, 47.29235, -10.0, 14.146263250000036, 2.901500000000007,
                 "take_profit");
    expect_trade(rep.trades[1], 60000, 120000, 46.964, 47.90328, -10.0, -9.867136400000035, -2.1010000000000075,
                 "stop_loss");
    expect_trade(rep.trades[2], 180000, 360000, 47.362, 47.5365, -10.0, -2.2194924999999475, -0.4686230522359587,
                 "signal");
    expect_trade(rep.trades[3], 420000, 420000, 46.964, 47.2, -10.0, -2.8308200000000423, -0.6027638190954864,
                 "end");
    expect_equity(rep.equity, -120000, 60000,
                  {100000.0, 100000.0, 100002.306225, 100014.14626324999, 100004.27912684999, 100004.27912684999,
                   100002.66231684998, 100003.66231684998, 100004.66231684998, 100002.05963434998});
    EXPECT_EQ(rep.metrics.pnl, 2.059634349978296);
    EXPECT_EQ(rep.metrics.return_pct, 0.002059634349978296);
    EXPECT_EQ(rep.metrics.sharpe, 0.043125301682319685);
    EXPECT_EQ(rep.metrics.sortino, 0.06649812431341161);
    EXPECT_EQ(rep.metrics.calmar, 0.17043012806271277);
    EXPECT_EQ(rep.metrics.max_drawdown, 0.012084919335508669);
    EXPECT_EQ(rep.metrics.win_rate, 25.0);
    EXPECT_EQ(rep.metrics.profit_factor, 0.9483031143481921);
    EXPECT_EQ(rep.metrics.num_trades, 4u);
    EXPECT_EQ(rep.fees_paid, 1.89988565);
    EXPECT_EQ(rep.initial_capital, 100000.0);
    EXPECT_EQ(r.impact_stats.avg_slippage_bps, 50.0);
    EXPECT_EQ(r.impact_stats.liquidity_consumed, 2375.815);
    EXPECT_EQ(r.impact_stats.orders_partially_filled, 0u);
}

}  // namespace
}  // namespace prynox
