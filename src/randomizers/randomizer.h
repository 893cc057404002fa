// Randomizer: deals the sequence of piece types; one of five interchangeable strategies.
// The registry maps the names shown in the menus and stored in the settings file to classes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/piece.h"

struct GameState;

extern const std::string BAG_RANDOMIZER_NAME;
extern const std::string HISTORY6_RANDOMIZER_NAME;
extern const std::string RANDOM_RANDOMIZER_NAME;
extern const std::string ICHEAT_RANDOMIZER_NAME;
extern const std::string BASTET_RANDOMIZER_NAME;

class Randomizer {
public:
    virtual ~Randomizer() = default;
    // Back to the state of a freshly built object; called at the start of every game.
    virtual void reset() = 0;
    // Writes the next type into the piece; its orientation is left to the caller.
    virtual void get_piece(Piece* piece, GameState& state) = 0;
    virtual std::string get_name() const = 0;
};

// Names in the order the options menu cycles through them.
const std::vector<std::string>& randomizer_names();
// A new randomizer of the named class, or nullptr for a name that is none of them.
std::unique_ptr<Randomizer> make_randomizer(const std::string& name);
