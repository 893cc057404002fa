// KeyConfig: which physical key stands for each of the 42 logical keys the schemes know.
// Key codes are SDL 1.2 key symbols; they are kept as ints because bindings may hold any number.
#pragma once

using KeyCode = int;

constexpr KeyCode KEY_BACKSPACE = 8;
constexpr KeyCode KEY_RETURN = 13;
constexpr KeyCode KEY_ESCAPE = 27;
constexpr KeyCode KEY_SPACE = 32;
constexpr KeyCode KEY_F2 = 283;
// What translate answers for a key that no binding holds.
constexpr KeyCode KEY_NONE = -1;

constexpr int KEY_BINDINGS = 42;

struct KeyConfig {
    // Entries: digits 0..9, letters a..z, then ; , . / Backspace Space.
    KeyCode bindings[KEY_BINDINGS];

    KeyConfig();
    // Physical key to logical key; KEY_NONE when nothing is bound to it.
    KeyCode translate(KeyCode physical) const;
    // Logical key to the physical key bound to it.
    KeyCode reverseTranslate(KeyCode logical) const;
};

// The logical key of binding entry i (its default physical key).
KeyCode default_binding(int entry);
