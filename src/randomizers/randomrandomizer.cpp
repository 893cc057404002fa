#include "randomizers/randomrandomizer.h"

#include "model/random_source.h"

const std::string RANDOM_RANDOMIZER_NAME = "Random";

void RandomRandomizer::get_piece(Piece* piece, GameState&) { piece->type = random_number() % PIECE_TYPES; }
