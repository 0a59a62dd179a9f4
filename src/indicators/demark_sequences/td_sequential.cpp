#include "indicators/demark_sequences/td_sequential.hpp"

namespace prynox {

std::expected<TdSequential, IndicatorError> TdSequential::create(std::uint64_t setup_lookback,
                                                                 std::uint64_t setup_length,
                                                                 std::uint64_t countdown_lookback,
                                                                 std::uint64_t countdown_length) {
    auto counts = TdCountdown::create(setup_lookback, setup_length, countdown_lookback, countdown_length);
    if (!counts) return std::unexpected(counts.error());
    return TdSequential(std::move(*counts));
}

}  // namespace prynox
