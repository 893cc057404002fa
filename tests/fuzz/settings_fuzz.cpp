// Fuzz target for the settings reader: whatever a file holds, the settings read from it are
// sound, and saving them and reading the save back gives the same file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "options/options.h"
#include "persist/settings_file.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Settings settings;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        process_line(line, settings);
        start = end + 1;
    }
    apply_randomizer_limits(settings);
    check(settings.piece_previews >= 0 && settings.piece_previews <= MAX_PIECE_PREVIEWS);
    const std::string saved = settings_text(settings);
    Settings again;
    start = 0;
    while (start < saved.size()) {
        const size_t end = saved.find('\n', start);
        process_line(saved.substr(start, end - start), again);
        start = end + 1;
    }
    check(settings_text(again) == saved);
    return 0;
}
