// KeyBindings: which physical key stands for each of the 42 logical keys the control schemes
// know (digits, letters, ; , . / Backspace and Space). Key codes are SDL 1.2 key symbols, kept as
// ints because a binding may hold any number.
#pragma once

using KeyCode = int;

constexpr KeyCode KEY_BACKSPACE = 8;
constexpr KeyCode KEY_RETURN = 13;
constexpr KeyCode KEY_ESCAPE = 27;
constexpr KeyCode KEY_SPACE = 32;
constexpr KeyCode KEY_F2 = 283;
// One past the last key symbol there is.
constexpr KeyCode KEY_LAST = 323;
// What translate answers for a key that no binding holds.
constexpr KeyCode KEY_NONE = -1;

constexpr int KEY_BINDINGS = 42;

// Entries: digits 0..9, letters a..z, then ; , . / Backspace Space.
struct KeyBindings {
    KeyCode keys[KEY_BINDINGS];

    KeyBindings();
    // Physical key to logical key; KEY_NONE when nothing is bound to it.
    KeyCode translate(KeyCode physical) const;
    // Logical key to the physical key bound to it.
    KeyCode physical_key(KeyCode logical) const;
};

// The logical key of entry i, which is also its default physical key.
KeyCode logical_key(int entry);
