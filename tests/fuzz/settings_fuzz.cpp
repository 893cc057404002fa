// Fuzz target for the settings reader: whatever a file holds, the settings read from it are
// sound, and saving them and reading the save back gives the same file.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "options/options.h"
#include "persist/settings_file.h"

namespace {

Settings read_lines(const std::string& text) {
    Settings settings;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) process_line(line, settings);
    apply_randomizer_limits(settings);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Settings settings = read_lines(std::string(reinterpret_cast<const char*>(data), size));
    const std::string saved = settings_text(settings);
    if (settings.piece_previews < 0 || settings.piece_previews > MAX_PIECE_PREVIEWS ||
        settings_text(read_lines(saved)) != saved)
        std::abort();
    return 0;
}
