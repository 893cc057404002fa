// The game's shared constants: the window's size and depth, the version shown in the caption
// and on the game screen, and the length of the start countdown.
#pragma once

constexpr int WINDOW_WIDTH = 640;
constexpr int WINDOW_HEIGHT = 480;
constexpr int WINDOW_BPP = 32;

constexpr const char* TAPFALL_VERSION = "1.07";

constexpr double COUNTDOWN_SECS = 3.0;
