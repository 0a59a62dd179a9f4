#include "indicators/volatility/ulcer_index.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<UlcerIndex, IndicatorError> UlcerIndex::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return UlcerIndex(period);
}

OptionalValue UlcerIndex::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const std::uint64_t n = squares_.capacity();
    const bool tracks_earlier = n > 1;
    if (tracks_earlier && !earlier_.make_room()) return std::nullopt;
    if (sat_add(bars_, 1) < n) {
        if (tracks_earlier) (void)earlier_.push(x);  // room was made above
        ++bars_;
        return std::nullopt;
    }
    // Of equal closes the newest counts, so x wins a tie.
    double peak = tracks_earlier && earlier_.pushed() > 0 && !(x >= earlier_.max()) ? earlier_.max() : x;
    double sq = 0.0;
    if (peak != 0.0) {
        double dd = (x - peak) * 100.0 / peak;
        sq = dd * dd;
    }
    if (!squares_.make_room()) return std::nullopt;
    double sum = sum_;
    double old = 0.0;
    if (squares_.full()) {
        old = squares_.oldest();
        sum = sum - old;
    }
    sum = sum + sq;
    if (!std::isfinite(sum)) return std::nullopt;  // also catches a square that is not finite
    if (tracks_earlier) (void)earlier_.push(x);
    ++bars_;
    nonzero_ -= squares_.full() && old != 0.0 ? 1 : 0;
    (void)squares_.push(sq);  // room was made above
    nonzero_ += sq != 0.0 ? 1 : 0;
    if (++updates_ >= n) [[unlikely]] {
        double exact = -0.0;
        squares_.for_each([&exact](double v) { exact += v; });
        if (std::isfinite(exact)) sum = exact;
        updates_ = 0;
    }
    sum_ = sum;
    if (!squares_.full()) return std::nullopt;
    if (nonzero_ == 0) return 0.0;
    // Drift of the running sum must not take the root of a negative mean.
    double mean = sum / n_;
    return std::sqrt(mean > 0.0 ? mean : 0.0);
}

}  // namespace prynox
