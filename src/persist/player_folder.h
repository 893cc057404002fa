// The player's folder: where the settings, the screenshots, the records and the replays are
// kept. A game installed as a system package keeps them in $XDG_DATA_HOME/tapfall (by default
// ~/.local/share/tapfall) for whoever plays, root too, and never in its own folder. A game
// installed as a folder of its own keeps them beside itself where it may write there, and in
// the data home otherwise. The folder is made when the first of them is written.
#pragma once

#include <string>

#include "model/settings.h"

// Whether the game's own folder may hold the player's files.
enum class InstallLayout { Folder, System };

// The folder for the game's folder, writable or not, given $XDG_DATA_HOME and $HOME (either may
// be null) and the home folder that the password database names. "" stands for the game's
// folder, which a system layout never uses. A home that cannot be written is passed over for
// the password database's.
std::string player_folder_for(InstallLayout layout, bool game_folder_writable, const char* data_home, const char* home,
                              const std::string& home_in_passwd);

// Chooses the folder once, at start-up, after the move into the game's folder.
void choose_player_folder();

// Where the player's file of this name is, to read it.
std::string player_file(const std::string& name);
// The same, to write it: the folder is made first when it is missing.
std::string player_file_to_write(const std::string& name);
// The settings are read from the player's folder. A folder installation also reads them from
// the game's folder while the player's folder has none, as a game that was installed after
// being played keeps what it had.
std::string settings_file_to_read();
// Saves the settings in the player's folder. On failure returns false and sets *failure to one
// line that names the file and says why it could not be written.
bool save_player_settings(const Settings& settings, std::string* failure);
