#include "persist/player_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "persist/settings_file.h"

namespace {

#ifdef TAPFALL_SYSTEM_LAYOUT
constexpr InstallLayout LAYOUT = InstallLayout::System;
#else
constexpr InstallLayout LAYOUT = InstallLayout::Folder;
#endif

std::string folder;

// Each missing folder of the path, the way `mkdir -p` makes them; private to the player, as
// the folders of a data home should be. False, with errno set, when the last cannot be made.
bool make_folders(const std::string& path) {
    int first_failure = 0;
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        if (mkdir(path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST && !first_failure) first_failure = errno;
    if (mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) return true;
    // A folder that could not be made higher up says more than the missing one below it.
    if (first_failure) errno = first_failure;
    return false;
}

std::string home_in_passwd() {
    const struct passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

}  // namespace

std::string player_folder_for(InstallLayout layout, bool game_folder_writable, const char* data_home, const char* home,
                              const std::string& home_in_passwd) {
    if (layout == InstallLayout::Folder && game_folder_writable) return "";
    // Relative paths in these variables are to be ignored, the XDG rules say.
    if (data_home && data_home[0] == '/') return std::string(data_home) + "/tapfall";
    std::string chosen_home = home && home[0] == '/' && access(home, W_OK) == 0 ? home : home_in_passwd;
    if (chosen_home.empty() || chosen_home[0] != '/') {
        // Nowhere to keep anything: a folder layout falls back on its own folder, and a system
        // layout on Debian's name for no home at all, where nothing can be written.
        if (layout == InstallLayout::Folder) return "";
        chosen_home = "/nonexistent";
    }
    return chosen_home + "/.local/share/tapfall";
}

void choose_player_folder() {
    folder = player_folder_for(LAYOUT, access(".", W_OK) == 0, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
                               home_in_passwd());
}

std::string player_file(const std::string& name) { return folder.empty() ? name : folder + "/" + name; }

std::string player_file_to_write(const std::string& name) {
    if (!folder.empty()) make_folders(folder);
    return player_file(name);
}

std::string settings_file_to_read() {
    const std::string own = player_file(SETTINGS_FILE_NAME);
    if (LAYOUT == InstallLayout::System) return own;
    return access(own.c_str(), F_OK) == 0 ? own : SETTINGS_FILE_NAME;
}

bool save_player_settings(const Settings& settings, std::string* failure) {
    const std::string path = player_file(SETTINGS_FILE_NAME);
    if ((folder.empty() || make_folders(folder)) && export_settings(settings, path)) return true;
    *failure = "cannot save the settings to " + path + ": " + std::strerror(errno);
    return false;
}
