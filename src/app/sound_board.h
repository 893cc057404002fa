// SoundBoard: every sound of the game loaded once at start-up from the files that
// render/asset_files.h names, and played when the menus ask or a game reports an event that
// sounds: once, on the first free mixer channel, and only while the sound setting is on.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "model/settings.h"
#include "model/sound.h"
#include "render/asset_files.h"
#include "rules/events.h"

struct Mix_Chunk;

class SoundBoard {
public:
    // Loads every sound or ends the program naming the first that is missing. A missing drop
    // sound only silences that drop.
    SoundBoard();
    ~SoundBoard();
    SoundBoard(const SoundBoard&) = delete;
    SoundBoard& operator=(const SoundBoard&) = delete;

    void play(const std::vector<SoundCue>& cues, const Settings& settings) const;
    // The sounds of the events, in order.
    void play(const Events& events, const Settings& settings) const;

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

// What an event sounds like; nothing for an event that makes no sound.
std::optional<SoundCue> sound_of(const GameEvent& event);
