// Start-up and shutdown of the program's frame: SDL, SDL_ttf, the mixer, the OpenGL window
// and its projection, and the move into the directory that holds the game's files.
#pragma once

#include <string>

// The directory to change into so that the relative asset paths resolve beside the
// executable: the directory of `executable` (the resolved path of the running program), or,
// where that is unknown (empty), the part of argv[0] before its last '/'. Empty means: stay
// where we are.
std::string program_directory(const std::string& argv0, const std::string& executable);
// Changes into program_directory(argv0, the running executable); a failure is ignored.
void change_to_program_directory(const char* argv0);

// Starts SDL, SDL_ttf, the mixer, the window and OpenGL, and seeds the random source; ends the
// program through fatal_error on the first failure.
void init_everything();
void deinit_everything();
