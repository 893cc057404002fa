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

void SoundBoard::play(const std::vector<SoundCue>& cues, const Settings& settings) const {
    if (settings.sound)
        for (const SoundCue& cue : cues)
            // The mixer refuses a missing chunk, so a missing drop sound plays nothing.
            if (const Chunk& chunk = chunk_of(cue)) Mix_PlayChannelTimed(-1, chunk.get(), 0, -1);
}

void SoundBoard::play(const Events& events, const Settings& settings) const {
    std::vector<SoundCue> cues;
    for (const GameEvent& event : events)
        if (const std::optional<SoundCue> cue = sound_of(event)) cues.push_back(*cue);
    play(cues, settings);
}

std::optional<SoundCue> sound_of(const GameEvent& event) {
    switch (event.kind) {
        case Event::Placed: return SoundCue{Sound::Drop, event.column, event.lines};
        case Event::Note: return SoundCue{Sound::Drop, event.column, 0};
        case Event::Turned: return SoundCue{Sound::Rotate};
        case Event::Held: return SoundCue{Sound::Hold};
        case Event::Undone: return SoundCue{Sound::Rewind};
        case Event::Restarted: return SoundCue{Sound::GameStart};
        case Event::CountdownBeat: return SoundCue{Sound::Countdown};
        case Event::PlayStarted: return SoundCue{Sound::CountdownStart};
        case Event::Hurry: return SoundCue{Sound::Hurry};
        case Event::Finished: return SoundCue{Sound::Finish};
        case Event::Left: return SoundCue{Sound::MenuCancel};
        case Event::Refused:
        case Event::ScreenshotAsked: break;
    }
    return std::nullopt;
}
