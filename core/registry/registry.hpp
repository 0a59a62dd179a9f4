#pragma once
// Indicator construction by type name, and the feed each type consumes.
#include <expected>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "core/errors/engine_error.hpp"
#include "core/model/spec.hpp"
#include "indicators/indicator.hpp"

namespace prynox {

std::expected<std::unique_ptr<Indicator>, EngineError> build_indicator(std::string_view type,
                                                                       std::span<const double> params);
std::optional<Feed> indicator_feed(std::string_view type);
std::string_view feed_name(Feed feed);

}  // namespace prynox
