#include "app/sound_board.h"

#include <SDL_mixer.h>

#include <string>

#include "app/fatal.h"

namespace {

// The files of the named sounds, in the order of Sound after Drop; checked in groups, so the
// first missing file of a group's loading decides the message.
const char* const NAMED_FILES[] = {"rotate",        "hold",       "rewind",     "hurry",      "finish",
                                   "menugamestart", "menuchoose", "menuselect", "menucancel", "menuquit",
                                   "countdown",     "countdownstart"};
const int GROUP_ENDS[] = {3, 5, 10, 12};

std::string sound_path(const std::string& name) { return "sfx/" + name + ".ogg"; }

}  // namespace

void SoundBoard::ChunkFree::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

SoundBoard::SoundBoard() {
    for (int lines = 0; lines < 5; ++lines)
        for (int column = 0; column < 10; ++column)
            drops_[column][lines].reset(Mix_LoadWAV(sound_path({char('0' + column), char('a' + lines)}).c_str()));
    int first = 0;
    for (int end : GROUP_ENDS) {
        for (int i = first; i < end; ++i) named_.emplace_back(Mix_LoadWAV(sound_path(NAMED_FILES[i]).c_str()));
        for (int i = first; i < end; ++i)
            if (!named_[i]) fatal_error("Couldn't load " + sound_path(NAMED_FILES[i]), Mix_GetError());
        first = end;
    }
}

SoundBoard::~SoundBoard() = default;

const SoundBoard::Chunk& SoundBoard::chunk_of(const SoundCue& cue) const {
    static const Chunk none;
    if (cue.sound != Sound::Drop) return named_[int(cue.sound) - 1];
    if (cue.column < 0 || cue.column >= 10 || cue.lines < 0 || cue.lines >= 5) return none;
    return drops_[cue.column][cue.lines];
}

void SoundBoard::play_pending(Game& game) const {
    if (game.settings.sound)
        for (const SoundCue& cue : game.sounds)
            // The mixer refuses a missing chunk, so a missing drop sound plays nothing.
            if (const Chunk& chunk = chunk_of(cue)) Mix_PlayChannelTimed(-1, chunk.get(), 0, -1);
    game.sounds.clear();
}
