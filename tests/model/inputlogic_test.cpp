#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "support/fake_resources.h"
#include "support/seams.h"

namespace {

class RecordingInput : public InputType {
public:
    explicit RecordingInput(std::vector<KeyCode>* keys) : keys_(keys) {}
    void process_keypress(KeyCode key, GameState&, Resources&) override { keys_->push_back(key); }
    void draw_column_highlights(float, float, Resources&, GameState&) override {}
    void draw_key_legend(float, float, Resources&, GameState&) override {}
    void draw_rotation_guide(GameState&, Resources&) override {}
    std::string get_name() const override { return "Recording"; }

private:
    std::vector<KeyCode>* keys_;
};

// SDL's event queue needs the video subsystem; the dummy driver gives it without a window.
class InputLogic : public ::testing::Test {
protected:
    FakeResources resources;
    SoundLog sounds;
    GameState state;
    std::vector<KeyCode> delivered;

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
    static void push_key(KeyCode key, Uint8 type = SDL_KEYDOWN) {
        SDL_Event event = {};
        event.type = type;
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = SDLKey(key);
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
    }
    static void push_quit() {
        SDL_Event event = {};
        event.type = SDL_QUIT;
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
    }
};

}  // namespace

TEST_F(InputLogic, DeliversEveryQueuedKeyInOrderThroughTheKeyConfiguration) {
    state.key_config.bindings[10] = 'q';  // logical a on physical Q
    const KeyCode F1 = 282;
    for (KeyCode key : {KeyCode('q'), KeyCode('7'), KEY_SPACE, F1}) push_key(key);

    EXPECT_EQ(process_input_logic(state, resources), INPUT_CONTINUE);
    EXPECT_EQ(delivered, (std::vector<KeyCode>{'a', '7', KEY_SPACE, KEY_NONE}));
    EXPECT_EQ(process_input_logic(state, resources), INPUT_CONTINUE);
    EXPECT_EQ(delivered.size(), 4u);
}

TEST_F(InputLogic, KeysDuringTheCountdownAreDiscarded) {
    state.started = false;
    push_key('a');
    push_key(KEY_RETURN);
    EXPECT_EQ(process_input_logic(state, resources), INPUT_CONTINUE);
    state.started = true;
    EXPECT_EQ(process_input_logic(state, resources), INPUT_CONTINUE);
    EXPECT_TRUE(delivered.empty());
}

TEST_F(InputLogic, EscapeLeavesEvenDuringTheCountdownAndLeavesLaterEventsQueued) {
    for (bool started : {false, true}) {
        state.started = started;
        push_key(KEY_ESCAPE);
        push_key('b');
        EXPECT_EQ(process_input_logic(state, resources), INPUT_LEAVE_GAME);
        drain();
    }
    EXPECT_TRUE(delivered.empty());
    EXPECT_EQ(sounds.count(resources.menuCancelSound), 2);
}

TEST_F(InputLogic, EscapeCannotBeReboundOrSilencedOtherThanBySoundOff) {
    state.key_config.bindings[10] = KEY_ESCAPE;
    state.sound = false;
    push_key(KEY_ESCAPE);
    EXPECT_EQ(process_input_logic(state, resources), INPUT_LEAVE_GAME);
    EXPECT_TRUE(delivered.empty());
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(InputLogic, ClosingTheWindowQuitsAndLeavesTheRestQueued) {
    push_key('a');
    push_quit();
    push_key('b');
    EXPECT_EQ(process_input_logic(state, resources), INPUT_QUIT);
    EXPECT_EQ(delivered, (std::vector<KeyCode>{'a'}));
    EXPECT_EQ(process_input_logic(state, resources), INPUT_CONTINUE);
    EXPECT_EQ(delivered, (std::vector<KeyCode>{'a', 'b'}));
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(InputLogic, KeyReleasesAreIgnored) {
    push_key('a', SDL_KEYUP);
    push_key(KEY_ESCAPE, SDL_KEYUP);
    EXPECT_EQ(process_input_logic(state, resources), INPUT_CONTINUE);
    EXPECT_TRUE(delivered.empty());
}
