#include "core/text/float_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace prynox {
namespace {

// Shortest digits of |v| (no leading zeros) and the decimal exponent of the point:
// |v| = 0.d1d2...dn * 10^point.
struct Digits {
    char buf[32];
    int len = 0;
    int point = 0;
};

Digits shortest_digits(double v) {
    char tmp[64];
    auto res = std::to_chars(tmp, tmp + sizeof tmp, std::fabs(v), std::chars_format::scientific);
    Digits d;
    const char* p = tmp;
    while (p < res.ptr && *p != 'e') {
        if (*p != '.') d.buf[d.len++] = *p;
        ++p;
    }
    int exp10 = 0;
    if (p < res.ptr) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exp10);
    while (d.len > 1 && d.buf[d.len - 1] == '0') --d.len;
    d.point = exp10 + 1;
    return d;
}

}  // namespace

void append_float_json(std::string& out, double v) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    if (std::signbit(v)) out += '-';
    if (v == 0.0) {
        out += "0.0";
        return;
    }
    Digits d = shortest_digits(v);
    const int len = d.len;
    const int kk = d.point;
    if (len <= kk && kk <= 16) {
        out.append(d.buf, len);
        out.append(static_cast<std::size_t>(kk - len), '0');
        out += ".0";
    } else if (0 < kk && kk <= 16) {
        out.append(d.buf, kk);
        out += '.';
        out.append(d.buf + kk, len - kk);
    } else if (-5 < kk && kk <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-kk), '0');
        out.append(d.buf, len);
    } else {
        out += d.buf[0];
        if (len > 1) {
            out += '.';
            out.append(d.buf + 1, len - 1);
        }
        out += 'e';
        char e[8];
        auto r = std::to_chars(e, e + sizeof e, kk - 1);
        out.append(e, r.ptr);
    }
}

void append_float_plain(std::string& out, double v) {
    if (std::isnan(v)) {
        out += "NaN";
        return;
    }
    if (std::signbit(v)) out += '-';
    if (std::isinf(v)) {
        out += "inf";
        return;
    }
    if (v == 0.0) {
        out += '0';
        return;
    }
    Digits d = shortest_digits(v);
    const int len = d.len;
    const int kk = d.point;
    if (kk >= len) {
        out.append(d.buf, len);
        out.append(static_cast<std::size_t>(kk - len), '0');
    } else if (kk > 0) {
        out.append(d.buf, kk);
        out += '.';
        out.append(d.buf + kk, len - kk);
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-kk), '0');
        out.append(d.buf, len);
    }
}

}  // namespace prynox
