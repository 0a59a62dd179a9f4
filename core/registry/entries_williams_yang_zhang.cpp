// Registry rows of Williams %R and the Yang-Zhang volatility.
#include "core/registry/families.hpp"
#include "indicators/williams_yang_zhang/williams_r.hpp"
#include "indicators/williams_yang_zhang/yang_zhang_volatility.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"WilliamsR", WilliamsR::create>(),
    row<"YangZhangVolatility", YangZhangVolatility::create>(),
};

}  // namespace

std::span<const BuilderRow> williams_yang_zhang() { return kRows; }

}  // namespace prynox::registry_family
