#include "indicators/cores/shifted_sums_window.hpp"

namespace prynox {

ShiftedSumsWindow::Rebuilt ShiftedSumsWindow::rebuild(double x, double anchor) const { return rebuilt(x, anchor); }

}  // namespace prynox
