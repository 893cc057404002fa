#include "model/sound.h"

#include <SDL_mixer.h>

#include "model/gamestate.h"

namespace {

void play_on_mixer(Mix_Chunk* chunk) { Mix_PlayChannelTimed(-1, chunk, 0, -1); }

std::function<void(Mix_Chunk*)> player = play_on_mixer;

}  // namespace

void play_sound(Mix_Chunk* chunk) { player(chunk); }

void play_game_sound(const GameState& state, Mix_Chunk* chunk) {
    if (state.sound) play_sound(chunk);
}

void set_sound_player(std::function<void(Mix_Chunk*)> new_player) { player = std::move(new_player); }

void use_mixer_sound_player() { player = play_on_mixer; }
