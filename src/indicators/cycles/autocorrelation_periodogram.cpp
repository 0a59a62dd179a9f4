#include "indicators/cycles/autocorrelation_periodogram.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>
#include <new>
#include <stdexcept>
#include <utility>

namespace prynox {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr std::uint64_t kSmootherLength = 10;

double angle(std::uint64_t lag, std::uint64_t period) {
    return (static_cast<double>(lag) * kTwoPi) / static_cast<double>(period);
}

std::uint64_t table_pairs(std::uint64_t min_period, std::uint64_t max_period) {
    return sat_mul(max_period - 2, (max_period - min_period) + 1);
}

// The normal range of doubles.
constexpr double kMinNormal = 2.2250738585072014e-308;
constexpr double kMaxDouble = 1.7976931348623157e308;

// The correlation of (x0, x1, x2) with (y0, y1, y2) as the periodogram forms it.
double correlation_of(const double (&x)[3], const double (&y)[3]) {
    double sx = (x[0] + x[1]) + x[2];
    double sy = (y[0] + y[1]) + y[2];
    double sxx = (x[0] * x[0] + x[1] * x[1]) + x[2] * x[2];
    double syy = (y[0] * y[0] + y[1] * y[1]) + y[2] * y[2];
    double sxy = (x[0] * y[0] + x[1] * y[1]) + x[2] * y[2];
    double num = 3.0 * sxy - sx * sy;
    double den = (3.0 * sxx - sx * sx) * (3.0 * syy - sy * sy);
    return den > 0.0 ? num / std::sqrt(den) : 0.0;
}

// The same correlation with the six values brought to a magnitude near 1 by one power of two.
// The correlation does not depend on the scale, and a power of two scales exactly, so this is
// the value the formula would give without the exponent limits of a double: used where the sums
// of squares or their product overflow or underflow. Where the plain form stays in range the
// two agree bit for bit, since scaling by a power of two is exact.
double rescaled_correlation(const double (&x)[3], const double (&y)[3]) {
    double m = 0.0;
    for (double v : x) m = std::fmax(m, std::fabs(v));
    for (double v : y) m = std::fmax(m, std::fabs(v));
    if (m == 0.0) return 0.0;
    int e = std::ilogb(m);
    double xs[3];
    double ys[3];
    for (int k = 0; k < 3; ++k) {
        xs[k] = std::ldexp(x[k], -e);
        ys[k] = std::ldexp(y[k], -e);
    }
    return correlation_of(xs, ys);
}

}  // namespace

std::expected<AutocorrelationPeriodogram, IndicatorError> AutocorrelationPeriodogram::create(std::uint64_t min_period,
                                                                                          std::uint64_t max_period) {
    if (min_period == 0 || max_period == 0) return std::unexpected(IndicatorError::zero_period());
    if (min_period < 4 || max_period <= min_period)
        return std::unexpected(IndicatorError::invalid_period(kPeriodogramOrderMessage));
    if (max_period <= kSmootherLength) return std::unexpected(IndicatorError::invalid_period(kRoofingOrderMessage));
    return AutocorrelationPeriodogram(min_period, max_period);
}

AutocorrelationPeriodogram::AutocorrelationPeriodogram(std::uint64_t min_period, std::uint64_t max_period)
    : roofing_(kSmootherLength, max_period), window_(sat_add(max_period, 3)), min_period_(min_period),
      max_period_(max_period) {
    std::uint64_t pairs = table_pairs(min_period, max_period);
    if (pairs <= kMaxTablePairs) {
        table_.reserve(2 * pairs);
        for (std::uint64_t p = min_period; p <= max_period; ++p) {
            for (std::uint64_t n = 3; n <= max_period; ++n) {
                double theta = angle(n, p);
                table_.push_back(std::cos(theta));
                table_.push_back(std::sin(theta));
            }
        }
    }
}

bool AutocorrelationPeriodogram::reserve_arrays() {
    if (!corr_.empty()) return true;
    try {
        corr_.assign(max_period_ - 2, 0.0);
        power_.assign((max_period_ - min_period_) + 1, 0.0);
        next_power_.assign(power_.size(), 0.0);
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    corr_ = {};
    power_ = {};
    next_power_ = {};
    return false;
}

OptionalValue AutocorrelationPeriodogram::update_value(double x) {
    // The filter refuses a close whose step overflows and then stays as it was; it is also put
    // back when the spectrum cannot be measured, so a refused close changes nothing.
    RoofingFilter before = roofing_;
    auto f = roofing_.update_value(x);
    if (!f) return std::nullopt;
    if (!window_.push(*f)) {
        roofing_ = before;
        return std::nullopt;
    }
    if (!window_.full()) return std::nullopt;
    auto value = measure();
    if (!value) {
        // The value pushed out of a full window lies beyond every lag still to be read, so
        // taking the new one back leaves the window as good as before.
        (void)window_.pop_back();
        roofing_ = before;
        return std::nullopt;
    }
    power_.swap(next_power_);
    max_power_ = next_max_power_;
    return value;
}

OptionalValue AutocorrelationPeriodogram::measure() {
    if (!reserve_arrays()) return std::nullopt;

    // Correlation of the newest three filtered values with the three at each lag. Lags below 3
    // do not enter the spectrum and are not computed.
    const double x[3] = {window_.back(0), window_.back(1), window_.back(2)};
    const double sx = (x[0] + x[1]) + x[2];
    const double sxx = (x[0] * x[0] + x[1] * x[1]) + x[2] * x[2];
    const double dx = 3.0 * sxx - sx * sx;
    double y[3] = {window_.back(3), window_.back(4), window_.back(5)};
    const std::size_t lags = corr_.size();
    for (std::size_t i = 0; i < lags; ++i) {
        if (i > 0) {
            y[0] = y[1];
            y[1] = y[2];
            y[2] = window_.back(i + 5);
        }
        double sy = (y[0] + y[1]) + y[2];
        double syy = (y[0] * y[0] + y[1] * y[1]) + y[2] * y[2];
        double sxy = (x[0] * y[0] + x[1] * y[1]) + x[2] * y[2];
        double num = 3.0 * sxy - sx * sy;
        double dy = 3.0 * syy - sy * sy;
        double den = dx * dy;
        double c = den > 0.0 ? num / std::sqrt(den) : 0.0;
        // Outside the normal range (overflow, or a product that may have underflowed) the
        // scale-free form decides; inside it both forms agree bit for bit.
        if (!(den >= kMinNormal && den <= kMaxDouble) || !std::isfinite(num)) [[unlikely]]
            c = rescaled_correlation(x, y);
        corr_[i] = c;
    }

    // Smoothed power per period, into the scratch array. Each period's two sums run over the
    // lags in ascending order; four periods are summed side by side only so that their
    // independent chains of additions overlap.
    double max_power = 0.995 * max_power_;
    bool finite = true;
    auto keep = [&](std::size_t j, double cos_part, double sin_part) {
        double q = cos_part * cos_part + sin_part * sin_part;
        double r = 0.2 * (q * q) + 0.8 * power_[j];
        finite = finite && std::isfinite(r);
        next_power_[j] = r;
        if (r > max_power) max_power = r;
    };
    const std::size_t periods = power_.size();
    const double* corr = corr_.data();
    std::size_t j = 0;
    if (!table_.empty()) {
        const std::size_t stride = 2 * lags;
        for (; j + 4 <= periods; j += 4) {
            const double* r0 = table_.data() + j * stride;
            const double* r1 = r0 + stride;
            const double* r2 = r1 + stride;
            const double* r3 = r2 + stride;
            double c0 = 0.0, c1 = 0.0, c2 = 0.0, c3 = 0.0;
            double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
            for (std::size_t i = 0; i < lags; ++i) {
                double c = corr[i];
                c0 += c * r0[2 * i];
                s0 += c * r0[2 * i + 1];
                c1 += c * r1[2 * i];
                s1 += c * r1[2 * i + 1];
                c2 += c * r2[2 * i];
                s2 += c * r2[2 * i + 1];
                c3 += c * r3[2 * i];
                s3 += c * r3[2 * i + 1];
            }
            keep(j, c0, s0);
            keep(j + 1, c1, s1);
            keep(j + 2, c2, s2);
            keep(j + 3, c3, s3);
        }
        for (; j < periods; ++j) {
            const double* r = table_.data() + j * stride;
            double cos_part = 0.0;
            double sin_part = 0.0;
            for (std::size_t i = 0; i < lags; ++i) {
                cos_part += corr[i] * r[2 * i];
                sin_part += corr[i] * r[2 * i + 1];
            }
            keep(j, cos_part, sin_part);
        }
    } else {
        for (; j < periods; ++j) {
            std::uint64_t p = min_period_ + j;
            double cos_part = 0.0;
            double sin_part = 0.0;
            for (std::size_t i = 0; i < lags; ++i) {
                double theta = angle(i + 3, p);
                cos_part += corr[i] * std::cos(theta);
                sin_part += corr[i] * std::sin(theta);
            }
            keep(j, cos_part, sin_part);
        }
    }
    if (!finite) return std::nullopt;
    next_max_power_ = max_power;

    double lo = static_cast<double>(min_period_);
    if (!(max_power > 0.0)) return lo;
    double spx = 0.0;
    double sp = 0.0;
    for (std::size_t j = 0; j < periods; ++j) {
        double pwr = next_power_[j] / max_power;
        if (pwr >= 0.5) {
            spx += static_cast<double>(min_period_ + j) * pwr;
            sp += pwr;
        }
    }
    if (!(sp > 0.0)) return lo;
    double v = spx / sp;
    double hi = static_cast<double>(max_period_);
    if (v < lo) v = lo;
    if (v > hi) v = hi;
    return v;
}

}  // namespace prynox
