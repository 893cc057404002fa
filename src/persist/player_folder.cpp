#include "persist/player_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "persist/settings_file.h"

namespace {

std::string folder;

// Each missing folder of the path, the way `mkdir -p` makes them; private to the player, as
// the folders of a data home should be.
void make_folders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
    mkdir(path.c_str(), 0700);
}

// The folder for a game folder that can or cannot be written, given $XDG_DATA_HOME and $HOME
// (either may be null); "" stands for the game's folder, also when no other can be found.
std::string player_folder_for(bool game_folder_writable, const char* data_home, const char* home) {
    if (game_folder_writable) return "";
    // Relative paths in these variables are to be ignored, the XDG rules say.
    if (data_home && data_home[0] == '/') return std::string(data_home) + "/tapfall";
    if (home && home[0] == '/') return std::string(home) + "/.local/share/tapfall";
    return "";
}

}  // namespace

void choose_player_folder() {
    folder = player_folder_for(access(".", W_OK) == 0, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string player_file(const std::string& name) { return folder.empty() ? name : folder + "/" + name; }

std::string player_file_to_write(const std::string& name) {
    if (!folder.empty()) make_folders(folder);
    return player_file(name);
}

std::string settings_file_to_read() {
    const std::string own = player_file(SETTINGS_FILE_NAME);
    return access(own.c_str(), F_OK) == 0 ? own : SETTINGS_FILE_NAME;
}
