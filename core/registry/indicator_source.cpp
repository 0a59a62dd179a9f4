#include "core/registry/indicator_source.hpp"

#include "core/registry/registry.hpp"

namespace prynox {
namespace {

class RegistrySource final : public IndicatorSource {
public:
    std::expected<std::unique_ptr<Indicator>, EngineError> build(std::string_view type,
                                                                 std::span<const double> params) const override {
        return build_indicator(type, params);
    }
    std::optional<Feed> feed(std::string_view type) const override { return indicator_feed(type); }
};

}  // namespace

const IndicatorSource& registry_indicator_source() {
    static const RegistrySource source;
    return source;
}

}  // namespace prynox
