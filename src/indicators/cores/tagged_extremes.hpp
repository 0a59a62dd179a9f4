#pragma once
// The highest high and the lowest low of the last N pushes in O(1) per push, each with a tag
// pushed beside it (its position, or the bits of the value itself): the tag of the extreme that
// a scan of the window with the given tie rule would pick. Zeros of either sign are equal, as
// the comparisons `>=` and `<` of doubles see them, so the tie rule decides between them too.
// Values must not be NaN. The block scheme of ExtremeBlocks.
#include <cstddef>
#include <cstdint>
#include <limits>

#include "indicators/cores/extreme_blocks.hpp"
#include "indicators/cores/total_order.hpp"

namespace prynox {

// Which of equal extremes a scan keeps: the newest (a scan that replaces on `>=` and `<=`) or
// the oldest (one that replaces on `>` and `<`).
enum class TieRule : bool { kNewest, kOldest };

template <TieRule rule>
class TaggedExtremes {
public:
    explicit TaggedExtremes(std::uint64_t length) : blocks_(length) {}

    // Makes sure the next push cannot allocate; false when the storage could not grow.
    [[nodiscard]] bool make_room() { return blocks_.make_room(); }

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double high, std::uint64_t high_tag, double low, std::uint64_t low_tag) {
        return blocks_.push({{key(high), high_tag}, {key(low), low_tag}}, window_);
    }

    // Tags of the highest high and of the lowest low of the window.
    std::uint64_t high_tag() const { return window_.high.tag; }
    std::uint64_t low_tag() const { return window_.low.tag; }
    std::uint64_t length() const { return blocks_.length(); }
    bool full() const { return blocks_.full(); }
    // Positions with storage (grows with the data, never beyond the length).
    std::size_t storage() const { return blocks_.storage(); }

private:
    // Total-order key with -0.0 made +0.0 (x + 0.0 changes nothing else).
    static std::int64_t key(double x) { return total_order_key(x + 0.0); }

    struct Tagged {
        std::int64_t key;
        std::uint64_t tag;
    };
    static Tagged higher(const Tagged& older, const Tagged& newer) {
        const bool take = rule == TieRule::kNewest ? newer.key >= older.key : newer.key > older.key;
        return take ? newer : older;
    }
    static Tagged lower(const Tagged& older, const Tagged& newer) {
        const bool take = rule == TieRule::kNewest ? newer.key <= older.key : newer.key < older.key;
        return take ? newer : older;
    }

    struct Keys {
        Tagged high;
        Tagged low;

        // No value's key reaches these bounds (they are NaN keys), so the empty entry never wins.
        static constexpr Keys empty() {
            return {{std::numeric_limits<std::int64_t>::min(), 0}, {std::numeric_limits<std::int64_t>::max(), 0}};
        }
        static Keys combine(const Keys& older, const Keys& newer) {
            return {higher(older.high, newer.high), lower(older.low, newer.low)};
        }
    };

    ExtremeBlocks<Keys> blocks_;
    Keys window_ = Keys::empty();
};

}  // namespace prynox
