#include "indicators/cointegration/linear_solvers.hpp"

#include <cmath>
#include <utility>

namespace prynox {

namespace {

bool singular(double pivot_magnitude) { return !(pivot_magnitude >= kSingularPivot); }

}  // namespace

bool solve_linear_system(std::span<double> a, std::size_t n, std::span<double> r, std::size_t columns) {
    for (std::size_t k = 0; k < n; ++k) {
        const double pivot = a[k * n + k];
        if (singular(std::fabs(pivot))) return false;
        for (std::size_t i = k + 1; i < n; ++i) {
            const double f = a[i * n + k] / pivot;
            // Column k of the later rows is never read again.
            for (std::size_t j = k + 1; j < n; ++j) a[i * n + j] -= f * a[k * n + j];
            for (std::size_t c = 0; c < columns; ++c) r[i * columns + c] -= f * r[k * columns + c];
        }
    }
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t c = 0; c < columns; ++c) {
            double s = r[i * columns + c];
            for (std::size_t j = i + 1; j < n; ++j) s -= a[i * n + j] * r[j * columns + c];
            r[i * columns + c] = s / a[i * n + i];
        }
    return true;
}

bool solve_linear_4x4(std::array<double, 16>& a, std::array<double, 4>& r, std::array<double, 4>& b) {
    for (std::size_t k = 0; k < 4; ++k) {
        std::size_t best = k;
        double largest = std::fabs(a[k * 4 + k]);
        for (std::size_t i = k + 1; i < 4; ++i) {
            const double m = std::fabs(a[i * 4 + k]);
            if (m >= largest) {
                best = i;
                largest = m;
            }
        }
        if (singular(largest)) return false;
        if (best != k) {
            for (std::size_t j = 0; j < 4; ++j) std::swap(a[k * 4 + j], a[best * 4 + j]);
            std::swap(r[k], r[best]);
        }
        const double pivot = a[k * 4 + k];
        for (std::size_t i = k + 1; i < 4; ++i) {
            const double f = a[i * 4 + k] / pivot;
            for (std::size_t j = k + 1; j < 4; ++j) a[i * 4 + j] -= f * a[k * 4 + j];
            r[i] -= f * r[k];
        }
    }
    for (std::size_t i = 4; i-- > 0;) {
        double s = r[i];
        for (std::size_t j = i + 1; j < 4; ++j) s -= a[i * 4 + j] * b[j];
        b[i] = s / a[i * 4 + i];
    }
    return true;
}

}  // namespace prynox
