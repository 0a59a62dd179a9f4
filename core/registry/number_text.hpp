#pragma once
// Numbers inside messages: the shortest decimal digits that read back as the same double,
// laid out positionally (never with an exponent), integral values without a point:
// 0, -0, 3, 2.5, 0.0000001, 100000000000000000000.
#include <string>

namespace prynox {

void append_message_number(std::string& out, double v);
std::string message_number(double v);

}  // namespace prynox
