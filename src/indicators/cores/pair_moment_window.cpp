#include "indicators/cores/pair_moment_window.hpp"

namespace prynox {

PairMomentWindow::Rebuilt PairMomentWindow::rebuild(double x, double y, double kx, double ky) const {
    return rebuilt(x, y, kx, ky);
}

}  // namespace prynox
