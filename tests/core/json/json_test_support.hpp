#pragma once
// Reading a specification on both paths, with the answer text a user would see.
#include <optional>
#include <string>

#include "core/json/spec_reader.hpp"
#include "core/protocol/command.hpp"

namespace prynox::testing {

// The constructor's message, or "ok".
inline std::string text_path(const std::string& json) {
    auto r = impact_spec_from_json(json);
    return r ? std::string("ok") : r.error().display();
}

// The "set_spec" answer's error detail (without "parse: "), or "ok".
inline std::string value_path(const std::string& json) {
    std::optional<ImpactSpec> slot;
    const std::string answer = run_command(slot, "{\"cmd\":\"set_spec\",\"spec\":" + json + "}");
    if (answer == "{\"ok\":true}") return "ok";
    const std::string head = "{\"ok\":false,\"error\":\"parse: ";
    if (answer.rfind(head, 0) != 0) return "unexpected answer: " + answer;
    std::string detail = answer.substr(head.size(), answer.size() - head.size() - 2);
    std::string out;
    for (std::size_t k = 0; k < detail.size(); ++k) {
        if (detail[k] == '\\' && k + 1 < detail.size()) ++k;
        out += detail[k];
    }
    return out;
}

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
