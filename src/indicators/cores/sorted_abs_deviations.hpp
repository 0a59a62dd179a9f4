#pragma once
// Every |v - c| of an ascending list, in ascending order, by merging outward from c instead of
// sorting. The output list is reused: it only grows.
#include <span>
#include <vector>

namespace prynox {

void sorted_abs_deviations(std::span<const double> sorted_values, double centre, std::vector<double>& out);

}  // namespace prynox
