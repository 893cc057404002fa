// A Resources with nothing loaded whose sounds are distinct stand-in chunks, so that a test
// can tell from a SoundLog which sound was played.
#pragma once

#include <SDL_mixer.h>

#include "render/resources.h"

class FakeResources : public Resources {
public:
    FakeResources() : Resources(Resources::Unloaded{}) {
        int next = 0;
        for (auto& column : dropSounds)
            for (Mix_Chunk*& sound : column) sound = &chunks_[next++];
        for (Mix_Chunk** named : {&rotateSound, &holdSound, &rewindSound, &hurrySound, &finishSound,
                                  &menuGameStartSound, &menuChooseSound, &menuSelectSound,
                                  &menuCancelSound, &menuQuitSound, &countdownSound,
                                  &countdownStartSound})
            *named = &chunks_[next++];
    }

private:
    Mix_Chunk chunks_[DROP_SOUND_COLUMNS * DROP_SOUND_VARIANTS + 12] = {};
};
