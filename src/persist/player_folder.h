// The player's folder: where the settings, the screenshots, the records and the replays are
// kept. It is the game's own folder, the working directory, whenever the game may write there.
// A game installed where the player cannot write keeps them in $XDG_DATA_HOME/tapfall instead
// (by default ~/.local/share/tapfall), made when the first of them is written.
#pragma once

#include <string>

// Chooses the folder once, at start-up, after the move into the game's folder.
void choose_player_folder();

// Where the player's file of this name is, to read it.
std::string player_file(const std::string& name);
// The same, to write it: the folder is made first when it is missing.
std::string player_file_to_write(const std::string& name);
// The settings are read from the player's folder when they are there, otherwise from the game's
// folder, as a game that was installed after being played keeps what it had.
std::string settings_file_to_read();
