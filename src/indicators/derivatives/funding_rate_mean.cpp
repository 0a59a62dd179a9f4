#include "indicators/derivatives/funding_rate_mean.hpp"

#include <cmath>

#include "indicators/cores/resummed_window.hpp"

namespace prynox {

std::expected<FundingRateMean, IndicatorError> FundingRateMean::create(std::uint64_t period) {
    if (auto e = ResummedWindow::check(period)) return std::unexpected(*e);
    return FundingRateMean(period);
}

OptionalValue FundingRateMean::update_tick(const DerivativesTick& t) {
    const double x = t.funding_rate;
    double sum = sum_ + x;
    if (!std::isfinite(sum)) [[unlikely]]
        return std::nullopt;
    const bool resum = pushes_ + 1 >= window_.capacity();
    if (resum) [[unlikely]] {
        // Oldest first, the rate about to leave included, then the new one.
        double exact = 0.0;
        window_.for_each([&exact](double v) { exact += v; });
        exact += x;
        if (std::isfinite(exact)) sum = exact;
    }
    if (window_.full()) {
        sum -= window_.oldest();
        if (!std::isfinite(sum)) [[unlikely]]
            return std::nullopt;
    }
    if (!window_.push(x)) [[unlikely]]
        return std::nullopt;
    sum_ = sum;
    pushes_ = resum ? 0 : pushes_ + 1;
    if (!window_.full()) return std::nullopt;
    return sum_ / n_;
}

}  // namespace prynox
