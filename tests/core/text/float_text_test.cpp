#include "core/text/float_text.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace prynox {
namespace {

struct FloatCase {
    double value;
    const char* json;
    std::string plain;  // the layout inside messages: positional, never an exponent
};

TEST(FloatText, LayoutsOfBothForms) {
    const double inf = std::numeric_limits<double>::infinity();
    const FloatCase cases[] = {
        {0.0, "0.0", "0"},
        {-0.0, "-0.0", "-0"},
        {1.0, "1.0", "1"},
        {0.1, "0.1", "0.1"},
        {1e-7, "1e-7", "0.0000001"},
        {1e16, "1e16", "10000000000000000"},
        {1e15, "1000000000000000.0", "1000000000000000"},
        {0.00001, "0.00001", "0.00001"},
        {0.000001, "1e-6", "0.000001"},
        {100000.0, "100000.0", "100000"},
        {1.5e-7, "1.5e-7", "0.00000015"},
        {2.5e20, "2.5e20", "250000000000000000000"},
        {1234.5678, "1234.5678", "1234.5678"},
        {-2.5, "-2.5", "-2.5"},
        {-7.0, "-7.0", "-7"},
        {-1e-7, "-1e-7", "-0.0000001"},
        {1.5e-5, "0.000015", "0.000015"},
        {0.30000000000000004, "0.30000000000000004", "0.30000000000000004"},
        {4294967296.0, "4294967296.0", "4294967296"},
        {123456789012345683968.0, "1.2345678901234568e20", "123456789012345680000"},
        {-2.2250738585072014e-308, "-2.2250738585072014e-308", "-0." + std::string(307, '0') + "22250738585072014"},
        {104.47213595, "104.47213595", "104.47213595"},
        {18446744073709551616.0, "1.8446744073709552e19", "18446744073709552000"},
        {9007199254740993.0, "9007199254740992.0", "9007199254740992"},
        {1.7976931348623157e308, "1.7976931348623157e308", "17976931348623157" + std::string(292, '0')},
        {5e-324, "5e-324", "0." + std::string(323, '0') + "5"},
        {std::nan(""), "null", "NaN"},
        {inf, "null", "inf"},
        {-inf, "null", "-inf"},
    };
    for (const auto& c : cases) {
        std::string j;
        append_float_json(j, c.value);
        EXPECT_EQ(j, c.json) << c.json;
        std::string p;
        append_float_plain(p, c.value);
        EXPECT_EQ(p, c.plain) << c.json;
        double back = 0;
        std::from_chars(p.data(), p.data() + p.size(), back);
        EXPECT_TRUE(!std::isfinite(c.value) || back == c.value) << p;
    }
}

}  // namespace
}  // namespace prynox
