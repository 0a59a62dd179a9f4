// What the JSON corpus cannot reach through a command: errors of a lexer made without
// positions, the quick skip over checked text, which must stop where the checking skip does,
// and numbers read exactly as the standard library's conversion reads them.
#include "core/json/lexer.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/json/number_reference.hpp"

namespace prynox {
namespace {

TEST(Lexer, ErrorsWithoutPositions) {
    const std::pair<std::string, std::string> cases[] = {
        {"[1,]", syntax::kTrailingComma},     {"\"\\q\"", syntax::kInvalidEscape},
        {"[1e400]", syntax::kNumberOutOfRange}, {"{\"a\"\n:1", syntax::kEofObject},
        {"[\"\xC3\"]", syntax::kInvalidUnicode},
    };
    for (const auto& [text, message] : cases) {
        Lexer lx(text, false);
        auto s = lx.skip_value(true);
        ASSERT_FALSE(s) << text;
        EXPECT_FALSE(s.error().has_position) << text;
        EXPECT_EQ(s.error().display(), message) << text;
    }
}

TEST(Lexer, CheckedSkipStopsWhereTheCheckingSkipStops) {
    for (const std::string value : {R"("\\")", R"("a\"b")", R"("\\\\\"")", R"(["]",{"}":"\\\""}])", "-1.5e+3", "true",
                                    "null", R"({"a":[{}],"b":{}})", "[[],[[]]]", R"("é\u00e9")", "0"}) {
        for (const std::string after : {"", ",1", "]", "} ", " x"}) {
            const std::string text = " " + value + after;
            Lexer checking(text, true);
            ASSERT_TRUE(checking.skip_value(true)) << text;
            Lexer quick(text, true);
            quick.set_checked(true);
            ASSERT_TRUE(quick.skip_rest()) << text;
            EXPECT_EQ(quick.index(), checking.index()) << text;
            EXPECT_EQ(checking.index(), text.size() - after.size()) << text;
        }
    }
}

TEST(Lexer, NumbersReadAsTheStandardConversionReadsThem) {
    const std::string zeros(400, '0');
    std::vector<std::string> texts = {
        "0", "-0", "-0.0", "-0.0e5", "0e999999", "-0e-99999999999999", "1e-400", "-1e-400", "1e400", "-1e400",
        "1e99999999999", "1e-99999999999", "1E+2", "1e22", "1e23", "9007199254740992e22", "9007199254740993e-3",
        "2.4703282292062327e-324", "2.4703282292062328e-324", "4.9406564584124654e-324", "1e-320",
        "2.2250738585072011e-308", "1.7976931348623158e308", "1.7976931348623159e308", "-1.7976931348623159e308",
        "9007199254740993", "-9007199254740993", "9007199254740993.0", "18446744073709551615", "18446744073709551616",
        "99999999999999999999", "-9223372036854775808", "-9223372036854775809", "1234567890123456789",
        "0.1000000000000000055511151231257827021181583404541015625", "0.30000000000000004441",
        "1" + zeros.substr(0, 308), "1" + zeros.substr(0, 309), "1" + zeros.substr(0, 309) + "e-10", "1" + zeros + ".5e-400",
        "0." + zeros.substr(0, 330) + "1", "0." + zeros.substr(0, 300) + "1e300", "1" + zeros + zeros + "1e-800"};
    std::mt19937_64 rng(20261207);
    const auto digits = [&rng](std::size_t n) {
        std::string d(n, '0');
        for (char& c : d) c = static_cast<char>('0' + rng() % 10);
        return d;
    };
    char buf[1200];
    const auto form = [&](auto v, auto... how) { return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, how...).ptr); };
    for (int k = 0; k < 20000; ++k) {
        const double any = std::bit_cast<double>(rng());
        const double price = std::uniform_real_distribution<double>(0.01, 1e6)(rng);
        for (double v : {any, price, -price}) {
            if (!std::isfinite(v)) continue;
            texts.push_back(form(v));  // shortest round trip
            texts.push_back(form(v, std::chars_format::scientific, 16));
            texts.push_back(form(v, std::chars_format::general, 17));
        }
        if (k % 10 == 0 && std::isfinite(any) && std::fabs(any) < 1e308) {
            // Exactly halfway to the next double, a hair above, cut a hair below, and cut to 19 digits.
            const long double mid = (static_cast<long double>(std::fabs(any)) + std::nextafter(std::fabs(any), INFINITY)) / 2;
            const std::string exact = form(mid, std::chars_format::scientific, 1100);
            std::string m = exact.substr(0, exact.find('e'));
            const std::string e = exact.substr(exact.find('e'));
            m.erase(m.find_last_not_of('0') + 1);
            for (const std::string& t : {m, m + "000001", m.substr(0, m.size() - 1), m.substr(0, 20)}) texts.push_back(t + e);
        }
        // Long digit strings, a point somewhere, and now and then an exponent.
        const std::size_t n = 1 + rng() % (k % 4 == 0 ? 800 : 40);
        std::string t = std::to_string(1 + rng() % 9) + digits(n - 1);
        if (rng() % 2) t = t.substr(0, 1 + rng() % n) + "." + digits(1 + rng() % 30);
        if (rng() % 3 == 0) t = "0." + std::string(rng() % 40, '0') + t.substr(0, t.find('.'));
        if (rng() % 2) t += "e" + std::to_string(static_cast<int>(rng() % 800) - 400);
        texts.push_back(rng() % 2 ? "-" + t : t);
    }
    for (const std::string& t : texts) {
        const NumberRead want = reference_number(t);
        // alone, and followed by the bytes either side of the digits in ASCII
        for (const std::string after : {"", "/12345678]", ":12345678]"}) {
            const auto [read, end] = lex_number(t + after);
            ASSERT_EQ(read, want) << t << after;
            EXPECT_EQ(end, t.size()) << t << after;
        }
        // Skipping a number checks it alike: out of range there too.
        Lexer lx(t, false);
        EXPECT_EQ(lx.skip_value(true).has_value(), std::get<0>(want).empty()) << t;
    }
    // Malformed numbers: where each is refused, the end of the text included.
    const std::tuple<std::string, const char*, std::uint64_t> malformed[] = {
        {"01", syntax::kInvalidNumber, 2}, {"-01", syntax::kInvalidNumber, 3}, {"1.", syntax::kEofValue, 2},
        {"1.x", syntax::kInvalidNumber, 3}, {"1.e5", syntax::kInvalidNumber, 3}, {"-", syntax::kInvalidNumber, 1},
        {"-x", syntax::kInvalidNumber, 2}, {"1e", syntax::kEofValue, 2}, {"1e+", syntax::kEofValue, 3},
        {"1e+x", syntax::kInvalidNumber, 4}, {"1ex", syntax::kInvalidNumber, 3}, {"0.12345678e", syntax::kEofValue, 11}};
    for (const auto& [text, message, column] : malformed) {
        EXPECT_EQ(lex_number(text).first, NumberRead(message, column, Scalar::Kind::Null, 0)) << text;
    }
}

}  // namespace
}  // namespace prynox
