#include "randomizers/icheatrandomizer.h"

const std::string ICHEAT_RANDOMIZER_NAME = "I-Cheat";
