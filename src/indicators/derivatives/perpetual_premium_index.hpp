#pragma once
// The perpetual's premium over the index: the same formula as FundingBasis, a type of its own.
#include "indicators/derivatives/funding_basis.hpp"

namespace prynox {

struct PerpetualPremiumIndexRule : FundingBasisRule {};

using PerpetualPremiumIndex = TickFormula<PerpetualPremiumIndexRule>;

}  // namespace prynox
