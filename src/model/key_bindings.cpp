#include "model/key_bindings.h"

namespace {

constexpr int FIRST_DIGIT = 0;
constexpr int FIRST_LETTER = 10;
constexpr int FIRST_PUNCTUATION = 36;
constexpr KeyCode PUNCTUATION[] = {';', ',', '.', '/', KEY_BACKSPACE, KEY_SPACE};

// Return, Escape and F2 always keep their own meaning.
bool fixed_key(KeyCode key) { return key == KEY_ESCAPE || key == KEY_RETURN || key == KEY_F2; }

}  // namespace

KeyCode logical_key(int entry) {
    if (entry < FIRST_LETTER) return '0' + entry - FIRST_DIGIT;
    if (entry < FIRST_PUNCTUATION) return 'a' + entry - FIRST_LETTER;
    return PUNCTUATION[entry - FIRST_PUNCTUATION];
}

KeyBindings::KeyBindings() {
    for (int entry = 0; entry < KEY_BINDINGS; ++entry) keys[entry] = logical_key(entry);
}

KeyCode KeyBindings::translate(KeyCode physical) const {
    if (fixed_key(physical)) return physical;
    // Letters are searched first, so a letter wins over a digit bound to the same key.
    for (int entry = FIRST_LETTER; entry < FIRST_PUNCTUATION; ++entry)
        if (keys[entry] == physical) return logical_key(entry);
    for (int entry = FIRST_DIGIT; entry < FIRST_LETTER; ++entry)
        if (keys[entry] == physical) return logical_key(entry);
    for (int entry = FIRST_PUNCTUATION; entry < KEY_BINDINGS; ++entry)
        if (keys[entry] == physical) return logical_key(entry);
    return KEY_NONE;
}

KeyCode KeyBindings::physical_key(KeyCode logical) const {
    if (fixed_key(logical)) return logical;
    for (int entry = 0; entry < KEY_BINDINGS; ++entry)
        if (logical_key(entry) == logical) return keys[entry];
    return logical;
}
