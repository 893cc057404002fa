// The game's version, which the build sets from the project's VERSION, and the caption that
// names it: the window's title, and the game's name on the main menu and in the credits.
#pragma once

#ifndef TAPFALL_VERSION
#error "TAPFALL_VERSION is set by the build"
#endif

constexpr const char* GAME_VERSION = TAPFALL_VERSION;
constexpr const char* VERSION_CAPTION = "Tapfall v" TAPFALL_VERSION;
