#pragma once
// Compact JSON output: escaped strings, integers and floats in the report layout.
#include <cstdint>
#include <string>
#include <string_view>

namespace prynox {

void append_json_string(std::string& out, std::string_view s);
void append_json_uint(std::string& out, std::uint64_t v);
void append_json_int(std::string& out, std::int64_t v);
// Finite values in shortest round-trip form (1.0, 0.1, 1e-7, 1e16); anything else null.
void append_json_float(std::string& out, double v);

}  // namespace prynox
