// Driver extensions: the optional calls this game uses where the driver offers them, named in a
// list of words such as glGetString(GL_EXTENSIONS) gives.
#pragma once

// Whether the list names the extension as a whole word of it; a null list names none.
bool names_extension(const char* list, const char* name);
