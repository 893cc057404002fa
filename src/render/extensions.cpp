#include "render/extensions.h"

#include <cstring>

bool names_extension(const char* list, const char* name) {
    const size_t length = std::strlen(name);
    for (const char* at = list; at != nullptr && (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool starts_word = at == list || at[-1] == ' ';
        if (starts_word && (at[length] == ' ' || at[length] == '\0')) return true;
    }
    return false;
}
