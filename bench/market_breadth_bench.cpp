// Cost of one Indicator::update for each market-breadth type, through the boxed object the
// registry builds, over bars that each carry a cross-section list of 100 entries (a run carries
// none; these types are timed on lists made here).
#include "bench_support.hpp"

namespace {

using namespace prynox;

const std::vector<CrossSectionEntry>& members() {
    static const std::vector<CrossSectionEntry> list = [] {
        std::vector<CrossSectionEntry> out;
        std::uint64_t s = 99;
        for (int i = 0; i < 100; ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            out.push_back({static_cast<double>(s >> 40) - 8e6, static_cast<double>(s >> 50), (s >> 3) % 3 == 0,
                           (s >> 5) % 4 == 0, (s >> 7) % 2 == 0, (s >> 9) % 3 == 1});
        }
        return out;
    }();
    return list;
}

struct ListFeed {
    void operator()(BarContext& ctx, std::size_t) const { ctx.cross_section = &members(); }
};

}  // namespace

int main(int argc, char** argv) {
    const bench::TypeList types = {
        {"TickIndex", {}},       {"AbsoluteBreadthIndex", {}}, {"AdvanceDeclineRatio", {}},
        {"NewHighsNewLows", {}}, {"PercentAboveMa", {}},       {"BullishPercentIndex", {}},
        {"UpDownVolumeRatio", {}}, {"Trin", {}},               {"AdvanceDecline", {}},
        {"AdVolumeLine", {}},    {"CumulativeVolumeIndex", {}}, {"McClellanOscillator", {}},
        {"McClellanSummationIndex", {}}, {"BreadthThrust", {19}}, {"HighLowIndex", {10}},
    };
    bench::register_updates_fed(ListFeed{}, types);
    return bench::run_main(argc, argv);
}
