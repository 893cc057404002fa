#include "randomizers/randomizer.h"

#include "randomizers/bastet_randomizer.h"
#include "randomizers/simple_randomizers.h"

namespace {

template <class Kind>
std::unique_ptr<Randomizer> make() {
    return std::make_unique<Kind>();
}

}  // namespace

const std::vector<RandomizerKind>& randomizer_kinds() {
    // clang-format off
    static const std::vector<RandomizerKind> kinds = {
        {"Bag", {"Gives one of each piece before shuffling the piece \"bag\" again"}, false, make<BagRandomizer>},
        {"History (6 roll)", {"4-piece history, with 6 rolls - less likely to receive recent pieces"}, false,
         make<HistoryRandomizer>},
        {"Random", {"Totally random piece generator"}, false, make<RandomRandomizer>},
        {"I-Cheat", {"I pieces only"}, false, make<ICheatRandomizer>},
        {"Bastet",
         {"Bastard randomizer that tries to deal you unfavorable pieces", "* Forces number of piece previews to 0",
          "* Disables hold piece"},
         true, make<BastetRandomizer>},
    };
    // clang-format on
    return kinds;
}
