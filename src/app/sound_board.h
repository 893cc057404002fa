// SoundBoard: every sound of the game loaded from sfx/ once at start-up, and played when the
// game asks: once, on the first free mixer channel, and only while the sound setting is on.
#pragma once

#include <memory>
#include <vector>

#include "model/game.h"

struct Mix_Chunk;

class SoundBoard {
public:
    // Loads every sound or ends the program naming the first that is missing. A missing drop
    // sound only silences that drop.
    SoundBoard();
    ~SoundBoard();
    SoundBoard(const SoundBoard&) = delete;
    SoundBoard& operator=(const SoundBoard&) = delete;

    // Plays what the game asked for since the last call, and forgets it.
    void play_pending(Game& game) const;

private:
    struct ChunkFree {
        void operator()(Mix_Chunk* chunk) const;
    };
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkFree>;
    const Chunk& chunk_of(const SoundCue& cue) const;

    // [column][lines cleared]
    Chunk drops_[10][5];
    std::vector<Chunk> named_;
};
