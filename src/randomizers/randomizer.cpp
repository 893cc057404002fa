#include "randomizers/randomizer.h"

#include "randomizers/bagrandomizer.h"
#include "randomizers/bastetrandomizer.h"
#include "randomizers/history6randomizer.h"
#include "randomizers/icheatrandomizer.h"
#include "randomizers/randomrandomizer.h"

const std::vector<std::string>& randomizer_names() {
    static const std::vector<std::string> names = {BAG_RANDOMIZER_NAME, HISTORY6_RANDOMIZER_NAME,
                                                   RANDOM_RANDOMIZER_NAME, ICHEAT_RANDOMIZER_NAME,
                                                   BASTET_RANDOMIZER_NAME};
    return names;
}

std::unique_ptr<Randomizer> make_randomizer(const std::string& name) {
    if (name == BAG_RANDOMIZER_NAME) return std::make_unique<BagRandomizer>();
    if (name == HISTORY6_RANDOMIZER_NAME) return std::make_unique<History6Randomizer>();
    if (name == RANDOM_RANDOMIZER_NAME) return std::make_unique<RandomRandomizer>();
    if (name == ICHEAT_RANDOMIZER_NAME) return std::make_unique<ICheatRandomizer>();
    if (name == BASTET_RANDOMIZER_NAME) return std::make_unique<BastetRandomizer>();
    return nullptr;
}
