// Sound playing: once, on the first free mixer channel. Callers check the sound setting first.
// Tests install a player of their own to see which sounds were played.
#pragma once

#include <functional>

struct GameState;
struct Mix_Chunk;

void play_sound(Mix_Chunk* chunk);
// Plays the sound only while the game's sound setting is on.
void play_game_sound(const GameState& state, Mix_Chunk* chunk);

void set_sound_player(std::function<void(Mix_Chunk*)> player);
void use_mixer_sound_player();
