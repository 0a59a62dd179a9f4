#pragma once
// Shortest round-trip text of doubles in the two layouts the system writes.
#include <string>

namespace prynox {

// Report layout: 1.0, 0.1, 100000.0, 0.00001, 1e16, 1.5e-7; decimal for 1e-5 <= |v| < 1e16.
// A value that is not finite is written null.
void append_float_json(std::string& out, double v);

// Message layout: digits placed positionally, never an exponent, integral values without a point.
void append_float_plain(std::string& out, double v);

}  // namespace prynox
