// SoundBoard: every sound of the game loaded once at start-up from the files that
// render/asset_files.h names, and played when the game asks: once, on the first free mixer
// channel, and only while the sound setting is on.
#pragma once

#include <map>
#include <memory>

#include "model/game.h"
#include "render/asset_files.h"

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
    Chunk drops_[asset_files::DROP_SOUND_COLUMNS][asset_files::DROP_SOUND_LINES];
    std::map<Sound, Chunk> named_;
};
