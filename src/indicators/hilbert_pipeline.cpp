#include "indicators/hilbert_pipeline.hpp"

#include <cmath>

namespace prynox {

namespace {
constexpr double kEps = 2.220446049250313e-16;
constexpr double kTwoPi = 6.283185307179586;
}  // namespace

HilbertPipeline::Step HilbertPipeline::step(double x) {
    ++count_;
    price_.push(x);
    if (!price_.full()) return {Stage::Priming, 0.0};

    double smooth = (((4.0 * price_[0] + 3.0 * price_[1]) + 2.0 * price_[2]) + price_[3]) / 10.0;
    smooth_.push(smooth);
    if (!smooth_.full()) return {Stage::Smoothing, smooth};

    double clamped = period_ < 6.0 ? 6.0 : (period_ > 50.0 ? 50.0 : period_);
    double adj = 0.075 * clamped + 0.54;
    detrender_.push(ht(smooth_) * adj);
    if (!detrender_.full()) return {Stage::Detrending, smooth};

    q1_.push(ht(detrender_) * adj);
    i1_.push(detrender_[3]);
    if (!q1_.full() || !i1_.full()) return {Stage::Detrending, smooth};

    double ji = ht(i1_) * adj;
    double jq = ht(q1_) * adj;
    double i2 = i1_[0] - jq;
    double q2 = q1_[0] + ji;
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
