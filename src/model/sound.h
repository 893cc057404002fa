// Sound playing: once, on the first free mixer channel. Callers check the sound setting first.
// Tests install a player of their own to see which sounds were played.
#pragma once

#include <functional>

struct Mix_Chunk;

void play_sound(Mix_Chunk* chunk);

void set_sound_player(std::function<void(Mix_Chunk*)> player);
void use_mixer_sound_player();
