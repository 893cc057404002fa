#include "app/fatal.h"
#include "app/menu.h"
#include "app/sound_board.h"
#include "app/startup.h"
#include "persist/settings_file.h"
#include "render/resources.h"

int main(int argc, char** argv) {
    change_to_program_directory(argc > 0 ? argv[0] : nullptr);
    init_everything();
    try {
        // Pictures and fonts first, then the sounds: the first missing file in that order is named.
        const Resources resources;
        const SoundBoard sounds;
        Game game;
        import_settings(game.settings);
        game.reset();
        main_menu(game, resources, sounds);
    } catch (const LoadError& error) {
        fatal_error(error.what());
    }
    deinit_everything();
    return 0;
}
