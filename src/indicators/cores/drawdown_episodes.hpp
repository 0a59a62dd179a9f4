#pragma once
// Drawdown episodes of a sequence of levels (prices, or an equity curve) visited in order. A
// level at or above the running peak becomes the new peak and ends the open episode; a level
// below it opens an episode at that peak, or deepens the open one's trough. An episode counts,
// with depth (peak - trough) / peak, when it ends and when the sequence ends while it is open,
// and only if its peak is > 0.
#include <cstdint>

namespace prynox {

class DrawdownEpisodes {
public:
    explicit DrawdownEpisodes(double start_peak) : peak_(start_peak) {}

    void step(double level) {
        if (level >= peak_) {
            close();
            peak_ = level;
        } else if (!open_) {
            open_ = true;
            trough_ = level;
        } else if (level < trough_) {
            trough_ = level;
        }
    }
    // Closes the episode still open at the end of the sequence.
    void finish() { close(); }

    std::uint64_t count() const { return count_; }
    double depth_sum() const { return depth_sum_; }
    double squared_depth_sum() const { return squared_depth_sum_; }

private:
    // While an episode is open the running peak cannot move, so it is the episode's peak.
    void close() {
        if (!open_) return;
        open_ = false;
        if (!(peak_ > 0.0)) return;
        double depth = (peak_ - trough_) / peak_;
        depth_sum_ += depth;
        squared_depth_sum_ += depth * depth;
        ++count_;
    }

    double peak_;
    double trough_ = 0.0;
    double depth_sum_ = 0.0;
    double squared_depth_sum_ = 0.0;
    std::uint64_t count_ = 0;
    bool open_ = false;
};

}  // namespace prynox
