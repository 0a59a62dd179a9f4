// Cost of one Indicator::update for each chart pattern, through the boxed object the registry
// builds: over the shared walk, and over bars that each confirm a pivot (swing_zigzag.hpp).
#include "swing_zigzag.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_swing_patterns({
        {"DoubleTopBottom", {}}, {"TripleTopBottom", {}}, {"RectangleRange", {}}, {"FlagPennant", {}},
        {"Wedge", {}},           {"Triangle", {}},        {"HeadAndShoulders", {}}, {"CupAndHandle", {}},
    });
    return prynox::bench::run_main(argc, argv);
}
