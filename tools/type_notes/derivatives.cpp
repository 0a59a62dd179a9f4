// What the derivatives types compute from the bar's derivatives tick. A bar without a tick, or
// whose tick fails the feed's checks (a funding rate that is not finite, a price that is not
// finite and positive, an amount that is negative), gives no value and changes nothing.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(derivatives) {
    return {
        {"CalendarSpread", {},
         {},
         {},
         "The premium of the futures over the perpetual: (`futures_price` − `mark_price`) / `mark_price` of the "
         "tick, as a fraction (0.01 is 1 %)."},
        {"FundingBasis", {},
         {},
         {},
         "The premium of the mark over the index: (`mark_price` − `index_price`) / `index_price` of the tick, as a "
         "fraction (0.001 is 0.1 %)."},
        {"FundingImpliedApr", {1095},
         {"intervals_per_year: the number of funding intervals in a year, as given (1095 for three a day; "
          "fractions such as 1095.75 are kept)"},
         {},
         "The tick's `funding_rate` × `intervals_per_year`: the funding rate as a simple yearly rate, a fraction "
         "(not a percentage, not compounded). A product that overflows gives no value."},
        {"FundingRate", {},
         {},
         {},
         "The tick's `funding_rate` as it is, a fraction per funding interval."},
        {"FundingRateMean", {24},
         {"period: the number of ticks averaged"},
         {},
         "The arithmetic mean of the `funding_rate` of the last `period` ticks (bars without a valid tick do not "
         "count)."},
        {"FundingRateZScore", {24},
         {"period: the number of ticks in the window"},
         {},
         "(`funding_rate` − mean) / sd over the `funding_rate` of the last `period` ticks, this one included, sd "
         "the population standard deviation (divided by `period`). 0 for a window of equal rates."},
        {"LiquidationFeatures", {},
         {},
         {"long: the tick's `long_liquidation`",
          "short: the tick's `short_liquidation`",
          "net: long − short",
          "total: long + short",
          "imbalance: net / total, from −1 (only shorts liquidated) to 1 (only longs), 0 without liquidations"},
         "The tick's liquidations broken down by side, in the tick's own units."},
        {"LongShortRatio", {},
         {},
         {},
         "The tick's `long_size` / `short_size`; 0 while `short_size` is 0."},
        {"OIPriceDivergence", {24},
         {"period: the number of ticks the changes span"},
         {},
         "The relative change of `open_interest` minus the relative change of `mark_price` against the tick "
         "`period` ticks earlier, (OI − OI_old) / OI_old − (mark − mark_old) / mark_old, as fractions; the "
         "open-interest change counts as 0 when OI_old is 0. Positive when open interest grows faster than the "
         "price."},
        {"OIWeighted", {},
         {},
         {},
         "The `mark_price` weighted by `open_interest` over every tick of the run: Σ open_interest × mark / Σ "
         "open_interest, a price; the tick's own mark while no open interest has been seen."},
        {"OiToVolumeRatio", {},
         {},
         {},
         "The tick's `open_interest` over its taker volume `taker_buy_volume` + `taker_sell_volume`; 0 without "
         "taker volume."},
        {"OpenInterestDelta", {},
         {},
         {},
         "The tick's `open_interest` minus that of the previous valid tick, in the unit of the open interest; the "
         "first tick only primes it."},
        {"OpenInterestMomentum", {24},
         {"period: the number of ticks back the change is measured from"},
         {},
         "The rate of change of `open_interest` in percent: 100 × (OI − OI_old) / OI_old against the tick "
         "`period` ticks earlier; 0 when OI_old is 0."},
        {"PerpetualPremiumIndex", {},
         {},
         {},
         "The perpetual's premium over the index, (`mark_price` − `index_price`) / `index_price` of the tick, as "
         "a fraction: the formula of `FundingBasis` under its own name."},
        {"TakerBuySellRatio", {},
         {},
         {},
         "The tick's `taker_buy_volume` / `taker_sell_volume`; 0 while the sell volume is 0."},
        {"TermStructureBasis", {},
         {},
         {},
         "The premium of the futures over the index: (`futures_price` − `index_price`) / `index_price` of the "
         "tick, as a fraction."},
    };
}
