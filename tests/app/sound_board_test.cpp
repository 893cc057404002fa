#include "app/sound_board.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

// The game's own sounds played on SDL's dummy audio driver, which plays them to nobody.
class SoundBoardTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
        ASSERT_EQ(0, Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024));
        Mix_AllocateChannels(16);
    }
    static void TearDownTestSuite() {
        Mix_CloseAudio();
        SDL_Quit();
    }
    SoundBoardTest() { std::filesystem::current_path(TAPFALL_BIN_DIR); }
    ~SoundBoardTest() override {
        Mix_HaltChannel(-1);
        std::filesystem::current_path(previous);
    }
    // The sound that plays on a channel, known by its length in samples.
    static Uint32 length_of(const char* file) {
        Mix_Chunk* chunk = Mix_LoadWAV(file);
        const Uint32 length = chunk ? chunk->alen : 0;
        Mix_FreeChunk(chunk);
        return length;
    }

    const std::filesystem::path previous = std::filesystem::current_path();
};

TEST_F(SoundBoardTest, PlaysWhatTheGameAskedForOnlyWithTheSoundOn) {
    const SoundBoard board;
    Settings settings;
    board.play({{Sound::Drop, 3, 2}, {Sound::CountdownStart}, {Sound::Drop, 10, 0}, {Sound::Drop, 3, 5},
                {Sound::Drop, -1, 0}, {Sound::Drop, 0, -1}, {Sound::Drop, 0, 0}}, settings);
    ASSERT_EQ(3, Mix_Playing(-1));
    EXPECT_EQ(length_of("sfx/3c.ogg"), Mix_GetChunk(0)->alen);
    EXPECT_EQ(length_of("sfx/countdownstart.ogg"), Mix_GetChunk(1)->alen);
    EXPECT_EQ(length_of("sfx/0a.ogg"), Mix_GetChunk(2)->alen);
    Mix_HaltChannel(-1);
    settings.sound = false;
    board.play(std::vector<SoundCue>{{Sound::Rotate}}, settings);
    EXPECT_EQ(0, Mix_Playing(-1));
}
