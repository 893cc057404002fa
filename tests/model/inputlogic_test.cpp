#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "support/fake_resources.h"
#include "support/recording_input.h"
#include "support/seams.h"

namespace {

// SDL's event queue needs the video subsystem; the dummy driver gives it without a window.
class InputLogic : public ::testing::Test {
protected:
    FakeResources resources;
    SoundLog sounds;
    GameState state;
    InputRecord delivered;

    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    static void TearDownTestSuite() { SDL_Quit(); }

    InputLogic() {
        state.input_type = std::make_unique<RecordingInput>(&delivered);
        state.started = true;
        drain();
    }
    ~InputLogic() override { drain(); }

    static void drain() {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
    }
    static void push(KeyCode key, Uint8 type = SDL_KEYDOWN) {
        SDL_Event event = {};
        event.type = type;
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = SDLKey(key);
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
    }
    int process() { return process_input_logic(state, resources); }
};

}  // namespace

TEST_F(InputLogic, DeliversEveryQueuedKeyPressInOrderThroughTheKeyConfiguration) {
    state.key_config.bindings[10] = 'q';  // logical a on physical Q
    const KeyCode F1 = 282;
    for (KeyCode key : {KeyCode('q'), KeyCode('7'), KEY_SPACE, F1}) push(key);
    push('b', SDL_KEYUP);
    EXPECT_EQ(process(), INPUT_CONTINUE);
    EXPECT_EQ(delivered.keys, (std::vector<KeyCode>{'a', '7', KEY_SPACE, KEY_NONE}));
    EXPECT_EQ(process(), INPUT_CONTINUE);
    EXPECT_EQ(delivered.keys.size(), 4u);
}

TEST_F(InputLogic, KeysDuringTheCountdownAreDiscarded) {
    state.started = false;
    push('a');
    push(KEY_RETURN);
    EXPECT_EQ(process(), INPUT_CONTINUE);
    state.started = true;
    EXPECT_EQ(process(), INPUT_CONTINUE);
    EXPECT_TRUE(delivered.keys.empty());
}

TEST_F(InputLogic, EscapeCannotBeReboundAndLeavesEvenDuringTheCountdown) {
    state.key_config.bindings[10] = KEY_ESCAPE;
    for (bool started : {false, true}) {
        state.started = started;
        push(KEY_ESCAPE, SDL_KEYUP);
        push(KEY_ESCAPE);
        push('b');
        EXPECT_EQ(process(), INPUT_LEAVE_GAME);
        drain();
    }
    EXPECT_TRUE(delivered.keys.empty());
    EXPECT_EQ(sounds.played(), std::vector<Mix_Chunk*>(2, resources.menuCancelSound));
    state.sound = false;
    push(KEY_ESCAPE);
    EXPECT_EQ(process(), INPUT_LEAVE_GAME);
    EXPECT_EQ(sounds.played().size(), 2u);
}

TEST_F(InputLogic, ClosingTheWindowQuitsAndLeavesTheRestQueued) {
    push('a');
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 0) << SDL_GetError();
    push('b');
    EXPECT_EQ(process(), INPUT_QUIT);
    EXPECT_EQ(delivered.keys, (std::vector<KeyCode>{'a'}));
    EXPECT_EQ(process(), INPUT_CONTINUE);
    EXPECT_EQ(delivered.keys, (std::vector<KeyCode>{'a', 'b'}));
    EXPECT_TRUE(sounds.played().empty());
}
