#include "app/sound_board.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

// A sound as the mixer holds it, to know the sound that plays on a channel.
std::string samples(const Mix_Chunk* chunk) {
    return chunk ? std::string(reinterpret_cast<const char*>(chunk->abuf), chunk->alen) : "";
}

std::string sound_of(const char* file) {
    Mix_Chunk* chunk = Mix_LoadWAV(file);
    const std::string sound = samples(chunk);
    Mix_FreeChunk(chunk);
    return sound;
}

}  // namespace

// The game's own sounds played on SDL's dummy audio driver, which plays them to nobody.
TEST(SoundBoard, PlaysEachSoundFromItsOwnFileAsTheGameAsksOnlyWithTheSoundOn) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
    ASSERT_EQ(0, Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024));
    Mix_AllocateChannels(16);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(TAPFALL_BIN_DIR);
    {
        const SoundBoard board;
        std::set<std::string> sounds;
        for (const asset_files::SoundFile& file : asset_files::SOUND_FILES) {
            board.play(std::vector<SoundCue>{{file.sound}}, Settings());
            EXPECT_EQ(1, Mix_Playing(-1)) << file.file;
            EXPECT_EQ(sound_of(file.file), samples(Mix_GetChunk(0))) << file.file;
            sounds.insert(samples(Mix_GetChunk(0)));
            Mix_HaltChannel(-1);
        }
        EXPECT_EQ(std::size(asset_files::SOUND_FILES), sounds.size());
        // Drops sound by column and lines cleared, where there is such a sound.
        Settings settings;
        const std::vector<SoundCue> cues = {{Sound::Drop, 3, 2}, {Sound::CountdownStart}, {Sound::Drop, 10, 0},
                                            {Sound::Drop, 3, 5}, {Sound::Drop, -1, 0},    {Sound::Drop, 0, -1},
                                            {Sound::Drop, 0, 0}};
        board.play(cues, settings);
        EXPECT_EQ(3, Mix_Playing(-1));
        EXPECT_EQ(sound_of("sfx/3c.ogg"), samples(Mix_GetChunk(0)));
        EXPECT_EQ(sound_of("sfx/countdownstart.ogg"), samples(Mix_GetChunk(1)));
        EXPECT_EQ(sound_of("sfx/0a.ogg"), samples(Mix_GetChunk(2)));
        Mix_HaltChannel(-1);
        settings.sound = false;
        board.play(std::vector<SoundCue>{{Sound::Rotate}}, settings);
        EXPECT_EQ(0, Mix_Playing(-1));
    }
    std::filesystem::current_path(previous);
    Mix_CloseAudio();
    SDL_Quit();
}
