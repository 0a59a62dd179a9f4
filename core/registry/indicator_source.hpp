#pragma once
// Where a run gets its indicators: the registry's own table, or a source a test substitutes.
#include <expected>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "core/errors/engine_error.hpp"
#include "core/model/spec.hpp"
#include "indicators/indicator.hpp"

namespace prynox {

class IndicatorSource {
public:
    virtual ~IndicatorSource() = default;
    virtual std::expected<std::unique_ptr<Indicator>, EngineError> build(std::string_view type,
                                                                         std::span<const double> params) const = 0;
    virtual std::optional<Feed> feed(std::string_view type) const = 0;
};

// The registry's table behind the source interface.
const IndicatorSource& registry_indicator_source();

}  // namespace prynox
