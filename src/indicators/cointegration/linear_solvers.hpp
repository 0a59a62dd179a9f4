#pragma once
// The two small linear solvers of the econometric models. They are written out rather than
// taken from a library because which systems count as singular is part of each model's result:
// a pivot whose magnitude is below the absolute threshold 1e-12 gives no solution.
#include <array>
#include <cstddef>
#include <span>

namespace prynox {

inline constexpr double kSingularPivot = 1e-12;

// Solves the n x n system A b = r by Gaussian elimination without row exchanges, for `columns`
// right-hand sides at once (each gets exactly what solving for it alone gives). `a` holds A row
// by row and is consumed; `r` holds the right-hand sides row by row (n rows of `columns`) and
// receives the solutions. False when a pivot is below the threshold (or not a number).
bool solve_linear_system(std::span<double> a, std::size_t n, std::span<double> r, std::size_t columns);

// The same for a 4 x 4 system with partial pivoting: in each column the row of largest magnitude
// from the diagonal down is swapped into place, the later row winning ties. `a` and `r` are
// consumed; `b` receives the solution.
bool solve_linear_4x4(std::array<double, 16>& a, std::array<double, 4>& r, std::array<double, 4>& b);

}  // namespace prynox
