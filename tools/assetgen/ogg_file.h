// Writer of Ogg Vorbis sound files through libvorbisenc: stereo at 44100 Hz, with the stream's
// serial number given by the caller so that the same sound always gives the same bytes.
#pragma once

#include <filesystem>

#include "synth.h"

// pan runs from -1 (left) through 0 (centre) to 1 (right).
void write_ogg(const std::filesystem::path& path, const Wave& wave, double pan, int serial);
