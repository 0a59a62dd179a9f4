#include "indicators/trade_prints/amihud_illiquidity.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<AmihudIlliquidity, IndicatorError> AmihudIlliquidity::create(std::uint64_t period) {
    auto w = ReturnWindow::create(period);
    if (!w) return std::unexpected(w.error());
    return AmihudIlliquidity(std::move(*w));
}

std::uint64_t AmihudIlliquidity::warmup_period() const { return sat_add(impacts_.capacity(), 1); }

OptionalValue AmihudIlliquidity::update_trades(std::span<const TradePrint> prints) {
    OptionalValue result;
    for (const TradePrint& t : prints) {
        if (t.size == 0.0) {
            result = last_;
            continue;
        }
        const double dollars = t.price * t.size;
        if (!(dollars != 0.0 && std::isfinite(dollars))) [[unlikely]]
            continue;
        if (!previous_) {
            previous_ = t.price;
            result = {};
            continue;
        }
        const double r = std::log(t.price / *previous_);
        const double x = std::fabs(r) / dollars;
        // A ratio or impact that is not finite makes the sum so too.
        const double sum = impacts_.full() ? (sum_ - impacts_.oldest()) + x : sum_ + x;
        if (!std::isfinite(sum)) [[unlikely]] {
            previous_ = t.price;
            continue;
        }
        if (!impacts_.push(x)) [[unlikely]]
            return {};
        previous_ = t.price;
        sum_ = sum;
        if (++updates_ >= impacts_.capacity()) [[unlikely]] {
            double s = -0.0;
            impacts_.for_each([&s](double v) { s += v; });
            if (std::isfinite(s)) sum_ = s;
            updates_ = 0;
        }
        if (!impacts_.full()) {
            result = {};
            continue;
        }
        last_ = sum_ / static_cast<double>(impacts_.capacity());
        result = last_;
    }
    return result;
}

}  // namespace prynox
