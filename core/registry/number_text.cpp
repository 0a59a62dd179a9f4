#include "core/registry/number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace prynox {

void append_message_number(std::string& out, double v) {
    if (!std::isfinite(v)) {
        // Readers refuse these before any message shows a value; kept total all the same.
        out += std::isnan(v) ? "NaN" : (v < 0 ? "-inf" : "inf");
        return;
    }
    // Shortest round-trip digits in scientific form: [-]d[.ddd]e[+-]xx.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const char* p = buf;
    const char* end = res.ptr;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    std::string digits;
    while (p != end && *p != 'e') {
        if (*p != '.') digits += *p;
        ++p;
    }
    int exponent = std::atoi(std::string(p + 1, end).c_str());
    // The value is 0.d1d2...dn times 10^(exponent + 1).
    int point = exponent + 1;
    int n = static_cast<int>(digits.size());
    if (point >= n) {
        out += digits;
        out.append(static_cast<std::size_t>(point - n), '0');
    } else if (point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        out += digits;
    } else {
        out.append(digits, 0, static_cast<std::size_t>(point));
        out += '.';
        out.append(digits, static_cast<std::size_t>(point), std::string::npos);
    }
}

std::string message_number(double v) {
    std::string s;
    append_message_number(s, v);
    return s;
}

}  // namespace prynox
