#pragma once
// Negative volume index: the volume index (volume_index.hpp) moved on the bars whose volume is
// below the previous one.
#include <expected>
#include <functional>

#include "indicators/indicator_error.hpp"
#include "indicators/volume_lines/volume_index.hpp"

namespace prynox {

class Nvi : public VolumeIndex<std::less<double>> {
public:
    static std::expected<Nvi, IndicatorError> create() { return Nvi{}; }
};

}  // namespace prynox
