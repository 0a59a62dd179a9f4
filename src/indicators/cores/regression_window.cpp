#include "indicators/cores/regression_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

RegressionWindow::RegressionWindow(std::uint64_t period)
    : window_(period), n_(static_cast<double>(window_.capacity())) {
    double nm1 = n_ - 1.0;
    sx_ = (nm1 * n_) * 0.5;
    den_ = (nm1 * n_) * (2.0 * n_ - 1.0) / 6.0 * n_ - sx_ * sx_;
}

std::optional<RegressionLine> RegressionWindow::push(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.make_room()) return std::nullopt;
    if (window_.full()) {
        double d_o = window_.pop_front() - anchor_;
        sxy_ = d_o + (sxy_ - sy_);
        sy_ = sy_ - d_o;
        syy_ = syy_ - d_o * d_o;
    }
    double i = static_cast<double>(window_.size());
    (void)window_.push(x);  // room was made above
    if (!anchored_) {
        anchor_ = x;
        anchored_ = true;
    }
    double d = x - anchor_;
    sy_ = sy_ + d;
    syy_ = d * d + syy_;
    sxy_ = i * d + sxy_;
    if (++updates_ >= window_.capacity()) reanchor();
    if (!window_.full()) return std::nullopt;
    double b = (sxy_ * n_ - sx_ * sy_) / den_;
    double a = anchor_ + (sy_ - sx_ * b) / n_;
    return RegressionLine{b, a};
}

void RegressionWindow::reanchor() {
    double sum = 0.0;
    window_.for_each([&sum](double v) { sum += v; });
    anchor_ = sum / static_cast<double>(window_.size());
    double sy = 0.0;
    double sxy = 0.0;
    double syy = 0.0;
    double i = 0.0;
    window_.for_each([&](double v) {
        double d = v - anchor_;
        sy = sy + d;
        syy = d * d + syy;
        sxy = i * d + sxy;
        i += 1.0;
    });
    sy_ = sy;
    sxy_ = sxy;
    syy_ = syy;
    updates_ = 0;
}

OptionalValue linear_regression_value(RegressionWindow& w, double x) {
    auto line = w.push(x);
    if (!line) return std::nullopt;
    return (w.n() - 1.0) * line->slope + line->intercept;
}

OptionalValue linreg_slope_value(RegressionWindow& w, double x) {
    auto line = w.push(x);
    if (!line) return std::nullopt;
    return line->slope;
}

OptionalValue tsf_value(RegressionWindow& w, double x) {
    auto line = w.push(x);
    if (!line) return std::nullopt;
    return line->slope * w.n() + line->intercept;
}

}  // namespace prynox
