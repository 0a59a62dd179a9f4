#pragma once
// Specifications for the reader tests, and reading one through "set_spec".
#include <optional>
#include <string>

#include "core/json/spec_reader.hpp"
#include "core/protocol/command.hpp"

namespace prynox::testing {

inline std::optional<ImpactSpec> value_spec(const std::string& json) {
    std::optional<ImpactSpec> slot;
    run_command(slot, "{\"cmd\":\"set_spec\",\"spec\":" + json + "}");
    return slot;
}

// A specification with every required member; `strategy_extra` is spliced into the strategy
// object, `top_extra` into the top object.
inline std::string spec_with(const std::string& strategy_extra = "", const std::string& top_extra = "") {
    const std::string indicators =
        strategy_extra.find("\"indicators\"") == std::string::npos ? "\"indicators\":{}," : "";
    return "{\"strategy\":{\"symbol\":\"BTC\",\"timeframe\":\"1h\"," + indicators +
           "\"entry\":{\"gt\":[{\"price\":\"close\"},1]},\"exit\":{\"lt\":[{\"price\":\"close\"},1]},"
           "\"sizing\":{\"type\":\"fixed_fraction\",\"fraction\":0.5}" +
           strategy_extra + "},\"book_model\":{\"kind\":\"linear_impact\",\"coef\":0.1}" + top_extra + "}";
}

}  // namespace prynox::testing
