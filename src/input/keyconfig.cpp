#include "input/keyconfig.h"

namespace {

constexpr int FIRST_DIGIT = 0;
constexpr int FIRST_LETTER = 10;
constexpr int FIRST_PUNCTUATION = 36;
constexpr KeyCode PUNCTUATION_DEFAULTS[] = {';', ',', '.', '/', KEY_BACKSPACE, KEY_SPACE};

// Return, Escape and F2 always keep their own meaning.
bool fixed_key(KeyCode key) { return key == KEY_ESCAPE || key == KEY_RETURN || key == KEY_F2; }

}  // namespace

KeyCode default_binding(int entry) {
    if (entry < FIRST_LETTER) return '0' + entry - FIRST_DIGIT;
    if (entry < FIRST_PUNCTUATION) return 'a' + entry - FIRST_LETTER;
    return PUNCTUATION_DEFAULTS[entry - FIRST_PUNCTUATION];
}

KeyConfig::KeyConfig() {
    for (int entry = 0; entry < KEY_BINDINGS; ++entry) bindings[entry] = default_binding(entry);
}

KeyCode KeyConfig::translate(KeyCode physical) const {
    if (fixed_key(physical)) return physical;
    // Letters are searched first, so a letter wins over a digit bound to the same key.
    for (int entry = FIRST_LETTER; entry < FIRST_PUNCTUATION; ++entry)
        if (bindings[entry] == physical) return default_binding(entry);
    for (int entry = FIRST_DIGIT; entry < FIRST_LETTER; ++entry)
        if (bindings[entry] == physical) return default_binding(entry);
    for (int entry = FIRST_PUNCTUATION; entry < KEY_BINDINGS; ++entry)
        if (bindings[entry] == physical) return default_binding(entry);
    return KEY_NONE;
}

KeyCode KeyConfig::reverseTranslate(KeyCode logical) const {
    if (fixed_key(logical)) return logical;
    for (int entry = 0; entry < KEY_BINDINGS; ++entry)
        if (default_binding(entry) == logical) return bindings[entry];
    return logical;
}
