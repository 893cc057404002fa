#include "app/mainloop.h"
#include "app/startup.h"
#include "model/gamestate.h"
#include "render/resources.h"

int main(int argc, char** argv) {
    change_to_program_directory(argc > 0 ? argv[0] : nullptr);
    init_everything();
    {
        Resources resources;
        GameState state;
        state.reset();
        main_loop(state, resources);
    }
    deinit_everything();
    return 0;
}
