#include "app/sound_board.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "app/fatal.h"

using asset_files::DROP_SOUND_COLUMNS;
using asset_files::DROP_SOUND_LINES;
using asset_files::SoundFile;

void SoundBoard::ChunkFree::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

SoundBoard::SoundBoard() {
    for (int lines = 0; lines < DROP_SOUND_LINES; ++lines)
        for (int column = 0; column < DROP_SOUND_COLUMNS; ++column)
            drops_[column][lines].reset(Mix_LoadWAV(asset_files::drop_sound_file(column, lines).c_str()));
    const SoundFile* const last = std::end(asset_files::SOUND_FILES);
    for (const SoundFile* batch = std::begin(asset_files::SOUND_FILES); batch != last;) {
        const SoundFile* const next =
            std::find_if(batch, last, [&](const SoundFile& f) { return f.batch != batch->batch; });
        for (const SoundFile* file = batch; file != next; ++file) named_[file->sound].reset(Mix_LoadWAV(file->file));
        for (const SoundFile* file = batch; file != next; ++file)
            if (!named_[file->sound]) fatal_error(std::string("Couldn't load ") + file->file, Mix_GetError());
        batch = next;
    }
}

SoundBoard::~SoundBoard() = default;

const SoundBoard::Chunk& SoundBoard::chunk_of(const SoundCue& cue) const {
    static const Chunk none;
    if (cue.sound != Sound::Drop) {
        const auto named = named_.find(cue.sound);
        return named == named_.end() ? none : named->second;
    }
    if (cue.column < 0 || cue.column >= DROP_SOUND_COLUMNS || cue.lines < 0 || cue.lines >= DROP_SOUND_LINES)
        return none;
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
