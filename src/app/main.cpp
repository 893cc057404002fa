#include "app/menu.h"
#include "app/startup.h"
#include "model/gamestate.h"
#include "persist/settings.h"
#include "render/resources.h"

int main(int argc, char** argv) {
    change_to_program_directory(argc > 0 ? argv[0] : nullptr);
    init_everything();
    {
        Resources resources;
        GameState state;
        import_settings(state);
        main_menu(state, resources);
    }
    deinit_everything();
    return 0;
}
