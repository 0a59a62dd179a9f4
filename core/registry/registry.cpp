#include "core/registry/registry.hpp"

#include <new>
#include <stdexcept>

#include "core/registry/type_table.hpp"

namespace prynox {

std::expected<std::unique_ptr<Indicator>, EngineError> build_indicator(std::string_view type,
                                                                       std::span<const double> params) {
    auto index = find_type(type);
    if (!index) {
        // An alias builds its full type, whose name the errors then carry.
        if (auto full = find_alias(type)) {
            auto full_index = find_type(*full);
            if (full_index && type_builder(*full_index) != nullptr) return build_indicator(*full, params);
        }
        return std::unexpected(EngineError::unknown_indicator(std::string(type)));
    }
    Builder build = type_builder(*index);
    if (build == nullptr) return std::unexpected(EngineError::unknown_indicator(std::string(type)));
    try {
        return build(params);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    // Storage that cannot be had is refused like a window beyond the maximum.
    return std::unexpected(EngineError::invalid_parameters(
        std::string(type_rows()[*index].name), IndicatorError::invalid_period(kMaxPeriodMessage).display()));
}

std::optional<Feed> indicator_feed(std::string_view type) {
    auto index = find_type(type);
    if (!index) return std::nullopt;
    return type_rows()[*index].feed;
}

std::string_view feed_name(Feed feed) {
    switch (feed) {
        case Feed::Kline: return "Kline";
        case Feed::Trade: return "Trade";
        case Feed::Orderbook: return "Orderbook";
        case Feed::TradeQuote: return "TradeQuote";
        case Feed::Derivatives: return "Derivatives";
        case Feed::CrossSection: return "CrossSection";
    }
    return "Kline";
}

}  // namespace prynox
