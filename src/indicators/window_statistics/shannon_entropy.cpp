#include "indicators/window_statistics/shannon_entropy.hpp"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<ShannonEntropy, IndicatorError> ShannonEntropy::create(std::uint64_t period, std::uint64_t bins) {
    if (period == 0 || bins == 0) return std::unexpected(IndicatorError::zero_period());
    if (bins < 2) return std::unexpected(IndicatorError::invalid_period(kShannonBinsMessage));
    if (auto e = check_max_period(bins)) return std::unexpected(*e);
    return ShannonEntropy(period, bins);
}

OptionalValue ShannonEntropy::update_value(double x) {
    if (!std::isfinite(x) || !window_.push(x) || !window_.full()) return std::nullopt;
    double lo = window_.oldest();
    double hi = lo;
    window_.for_each([&](double y) {
        if (y < lo) lo = y;
        if (y > hi) hi = y;
    });
    if (hi <= lo) return 0.0;
    double range = hi - lo;
    // A range beyond the largest double bins nothing meaningfully: no value for this bar.
    if (!std::isfinite(range)) [[unlikely]]
        return std::nullopt;
    double width = range / static_cast<double>(bins_);
    std::uint64_t last_bin = bins_ - 1;
    // A width that underflows to 0 sends the low to bin 0 and everything else to the last bin.
    auto bin_of = [&](double y) { return std::min(last_bin, saturating_u64((y - lo) / width)); };
    std::size_t n = window_.size();
    bool counting = bins_ <= n;
    std::size_t need = counting ? static_cast<std::size_t>(bins_) : n;
    if (scratch_.size() < need) {
        try {
            scratch_.resize(need);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        } catch (const std::length_error&) {
            return std::nullopt;
        }
    }
    // -(sum of p log2 p) over the non-empty bins in ascending bin order, either way.
    double sum = 0.0;
    auto add = [&](std::uint64_t count) {
        double p = static_cast<double>(count) / n_;
        sum += p * std::log2(p);
    };
    if (counting) {
        std::fill(scratch_.begin(), scratch_.begin() + static_cast<std::ptrdiff_t>(need), 0);
        window_.for_each([&](double y) { ++scratch_[bin_of(y)]; });
        for (std::size_t b = 0; b < need; ++b)
            if (scratch_[b] != 0) add(scratch_[b]);
    } else {
        std::size_t i = 0;
        window_.for_each([&](double y) { scratch_[i++] = bin_of(y); });
        std::sort(scratch_.begin(), scratch_.begin() + static_cast<std::ptrdiff_t>(n));
        for (std::size_t start = 0; start < n;) {
            std::size_t end = start + 1;
            while (end < n && scratch_[end] == scratch_[start]) ++end;
            add(end - start);
            start = end;
        }
    }
    return -sum;
}

}  // namespace prynox
