#include "core/text/float_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace prynox {
namespace {

struct FloatCase {
    double value;
    const char* json;
    const char* plain;
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
        {104.47213595, "104.47213595", "104.47213595"},
        {18446744073709551616.0, "1.8446744073709552e19", "18446744073709552000"},
        {9007199254740993.0, "9007199254740992.0", "9007199254740992"},
        {1.7976931348623157e308, "1.7976931348623157e308", nullptr},
        {5e-324, "5e-324", nullptr},
        {std::nan(""), "null", "NaN"},
        {inf, "null", "inf"},
        {-inf, "null", "-inf"},
    };
    for (const auto& c : cases) {
        std::string j;
        append_float_json(j, c.value);
        EXPECT_EQ(j, c.json) << c.json;
        if (c.plain) {
            std::string p;
            append_float_plain(p, c.value);
            EXPECT_EQ(p, c.plain) << c.plain;
        }
    }
}

}  // namespace
}  // namespace prynox
