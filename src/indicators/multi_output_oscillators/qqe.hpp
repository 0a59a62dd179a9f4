#pragma once
// Quantitative qualitative estimation: an EMA of the RSI (rsi_ma) and a trailing line that
// follows bands f times the doubly smoothed absolute change of rsi_ma either side of it,
// switching sides when rsi_ma crosses the opposite band.
#include <array>
#include <cstdint>
#include <expected>
#include <utility>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/rsi_family/rsi.hpp"

namespace prynox {

inline constexpr const char* kQqeFactorMessage = "QQE factor must be a finite positive value";

class Qqe {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"rsi_ma", "trailing_line"};

    // n or s zero; the factor; the RSI's own checks (its maximum); then s and 2n - 1 against
    // MAX_PERIOD.
    static std::expected<Qqe, IndicatorError> create(std::uint64_t rsi_period, std::uint64_t smoothing, double factor);

    // A non-finite close changes nothing (the RSI refuses it). A band beyond the doubles (a huge
    // factor) is no value and leaves the trailing state as it was.
    bool update_value(double close, std::array<double, 2>& out);
    // n + s + 2(2n - 1) - 1
    std::uint64_t warmup_period() const;

private:
    Qqe(Rsi rsi, std::uint64_t rsi_period, std::uint64_t smoothing, double factor)
        : rsi_(std::move(rsi)), rsi_ma_(smoothing), first_(2 * rsi_period - 1), second_(2 * rsi_period - 1),
          factor_(factor) {}

    Rsi rsi_;
    EmaStage rsi_ma_;
    EmaStage first_;   // of |change of rsi_ma|
    EmaStage second_;  // of first_
    double factor_;
    double previous_ma_ = 0.0;
    double lower_ = 0.0;
    double upper_ = 0.0;
    double trend_ = 1.0;
    bool has_previous_ma_ = false;
    bool has_bands_ = false;
};

}  // namespace prynox
