#pragma once
// Positive volume index: the volume index (volume_index.hpp) moved on the bars whose volume is
// above the previous one.
#include <expected>
#include <functional>

#include "indicators/indicator_error.hpp"
#include "indicators/volume_lines/volume_index.hpp"

namespace prynox {

class Pvi : public VolumeIndex<std::greater<double>> {
public:
    static std::expected<Pvi, IndicatorError> create() { return Pvi{}; }
};

}  // namespace prynox
