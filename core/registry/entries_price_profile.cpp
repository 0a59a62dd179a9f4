// Registry rows of the price-profile and rounded-formation types.
#include "core/registry/families.hpp"
#include "indicators/price_profile/dumpling_top.hpp"
#include "indicators/price_profile/fry_pan_bottom.hpp"
#include "indicators/price_profile/naked_poc.hpp"
#include "indicators/price_profile/profile_shape.hpp"
#include "indicators/price_profile/single_prints.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"DumplingTop", DumplingTop::create>(),
    row<"FryPanBottom", FryPanBottom::create>(),
    row<"NakedPoc", NakedPoc::create>(),
    row<"ProfileShape", ProfileShape::create>(),
    row<"SinglePrints", SinglePrints::create>(),
};

}  // namespace

std::span<const BuilderRow> price_profile() { return kRows; }

}  // namespace prynox::registry_family
