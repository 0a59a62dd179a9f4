#include "indicators/cores/hilbert_pipeline.hpp"

#include <cmath>

namespace prynox {

namespace {
constexpr double kEps = 2.220446049250313e-16;
constexpr double kTwoPi = 6.283185307179586;
}  // namespace

HilbertPipeline::Step HilbertPipeline::step(double x) {
    ++count_;
    head_ = head_ == 0 ? kSpan - 1 : head_ - 1;
    push(price_, x);
    if (count_ < kSmoothFrom) [[unlikely]]
        return {Stage::Priming, 0.0};

    // Each newest value is used from the register it was computed in; the older ones are read
    // from the lists, element k at head + k.
    const double* prices = price_.data() + head_;
    double smooth = (((4.0 * x + 3.0 * prices[1]) + 2.0 * prices[2]) + prices[3]) / 10.0;
    push(smooth_, smooth);
    if (count_ < kDetrendFrom) [[unlikely]]
        return {Stage::Smoothing, smooth};

    double clamped = period_ < 6.0 ? 6.0 : (period_ > 50.0 ? 50.0 : period_);
    double adj = 0.075 * clamped + 0.54;
    double detrender = ht(smooth, smooth_.data() + head_) * adj;
    push(detrender_, detrender);
    if (count_ < kQuadratureFrom) [[unlikely]]
        return {Stage::Detrending, smooth};

    const double* d = detrender_.data() + head_;
    double q1 = ht(detrender, d) * adj;
    push(q1_, q1);
    if (count_ < kMeasuredFrom) [[unlikely]]
        return {Stage::Detrending, smooth};

    const double* i1 = d + kInPhaseLag;
    double ji = ht(i1[0], i1) * adj;
    double jq = ht(q1, q1_.data() + head_) * adj;
    double i2 = i1[0] - jq;
    double q2 = q1 + ji;
    i2 = 0.2 * i2 + 0.8 * i2_;
    q2 = 0.2 * q2 + 0.8 * q2_;
    re_ = 0.2 * (i2 * i2_ + q2 * q2_) + 0.8 * re_;
    im_ = 0.2 * (i2 * q2_ - q2 * i2_) + 0.8 * im_;
    i2_ = i2;
    q2_ = q2;

    double p = period_;
    if (std::fabs(im_) > kEps && std::fabs(re_) > kEps) p = kTwoPi / std::atan2(im_, re_);
    // Written so that a p that is not a number takes the bound, as fmin and fmax would.
    double upper = 1.5 * period_;
    double lower = 0.67 * period_;
    if (!(p <= upper)) p = upper;
    if (!(p >= lower)) p = lower;
    if (p < 6.0) p = 6.0;
    if (p > 50.0) p = 50.0;
    period_ = 0.2 * p + 0.8 * period_;
    return {Stage::Measured, smooth};
}

}  // namespace prynox
