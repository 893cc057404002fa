// A game whose seams are replaced: scripted random numbers, a sound log and stand-in resources,
// for tests that play it through its actions.
#pragma once

#include "model/gamestate.h"
#include "support/fake_resources.h"
#include "support/seams.h"

class GameFixture {
protected:
    // A fresh game with the current settings, as the countdown leaves it.
    void start_game() {
        state.reset();
        state.started = true;
    }

    // Always 0: the bag deals the types in order, the other randomizers deal I.
    ScriptedRandom random;
    SoundLog sounds;
    FakeResources resources;
    GameState state;
};
