#pragma once
// Order-flow imbalance: the sum over the last n books of the flow e at the best levels,
// e = (qb [pb >= pb0] - qb0 [pb <= pb0]) - (qa [pa <= pa0] - qa0 [pa >= pa0]) against the book
// before. The window keeps a running sum, re-summed every n books.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/resummed_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OrderFlowImbalance {
public:
    // Window check on the period.
    static std::expected<OrderFlowImbalance, IndicatorError> create(std::uint64_t period);

    // A book with an empty side gives no value and changes nothing (the next book is compared
    // with the last one taken). One whose flow or running sum would not be finite gives no value
    // and leaves the window as it was, but the next book is compared with it.
    OptionalValue update_book(const OrderBook& book);
    std::uint64_t warmup_period() const;

private:
    explicit OrderFlowImbalance(std::uint64_t period) : flows_(period) {}

    Level bid_{};
    Level ask_{};
    bool primed_ = false;
    ResummedWindow flows_;
};

}  // namespace prynox
