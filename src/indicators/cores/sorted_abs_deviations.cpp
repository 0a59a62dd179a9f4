#include "indicators/cores/sorted_abs_deviations.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/total_order.hpp"

namespace prynox {

void sorted_abs_deviations(std::span<const double> values, double c, std::vector<double>& out) {
    out.clear();
    // Values strictly less than c, by the total order the list is sorted in.
    auto split = std::lower_bound(values.begin(), values.end(), c, [](double v, double centre) {
        return total_less(v, centre);
    });
    std::ptrdiff_t left = (split - values.begin()) - 1;
    std::size_t right = static_cast<std::size_t>(split - values.begin());
    while (left >= 0 && right < values.size()) {
        double dl = std::fabs(values[static_cast<std::size_t>(left)] - c);
        double dr = std::fabs(values[right] - c);
        if (total_less(dr, dl)) {
            out.push_back(dr);
            ++right;
        } else {
            out.push_back(dl);
            --left;
        }
    }
    for (; left >= 0; --left) out.push_back(std::fabs(values[static_cast<std::size_t>(left)] - c));
    for (; right < values.size(); ++right) out.push_back(std::fabs(values[right] - c));
}

}  // namespace prynox
