#pragma once
// Kyle's lambda: the least-squares slope of the quote-mid change on the signed trade size over
// the last n prints. The moments are kept about an anchor pair, moved to the window's mean and
// rebuilt exactly every n prints, so long runs do not lose precision to cancellation.
#include <cstdint>
#include <expected>

#include "indicators/boxed.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class KylesLambda {
public:
    static constexpr const char* kWindowMessage = "kyle's lambda needs window >= 2";

    // window >= 2, then the maximum.
    static std::expected<KylesLambda, IndicatorError> create(std::uint64_t window);

    // A print whose moments (those the slope reads) would not be finite leaves the window and its
    // moments as they were, but the next mid change is measured from this bar's mid; a slope out
    // of the finite range is not given. A window of equal signed sizes gives 0 exactly,
    // whatever residue the moments keep from an anchor that is not exactly their mean.
    OptionalValue update_trade_quote(const TradeQuote& tq);
    std::uint64_t warmup_period() const;

private:
    struct Pair {
        double x;  // signed size
        double y;  // quote-mid change
    };
    struct Moments {
        double sq = 0.0, sd = 0.0, sqq = 0.0, sdd = 0.0, sqd = 0.0;
    };

    explicit KylesLambda(std::uint64_t window) : pairs_(window) {}
    void reanchor();
    OptionalValue slope() const;

    OptionalValue previous_mid_;
    RollingWindow<Pair> pairs_;
    Pair anchor_{0.0, 0.0};
    bool anchored_ = false;
    Moments m_;
    std::uint64_t updates_ = 0;
    std::uint64_t equal_run_ = 0;  // equal signed sizes ending at the newest, capped at n
};

}  // namespace prynox
