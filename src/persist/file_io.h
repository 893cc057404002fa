// File input and output that cannot hurt the player's files: reading only regular files with a
// bound on each line, saving a file whole or not at all, and creating new files without
// following links or replacing anything.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Longer than any real line of the game's files; the rest of a longer line is skipped, so that
// a file that is one endless line cannot fill the memory.
constexpr std::size_t MAX_LINE_BYTES = 4096;

// A regular file opened for reading, or nullptr. Anything else (a FIFO, a device, a folder) is
// refused without blocking: reading it could hang or never end.
std::FILE* open_regular_file(const std::string& path);
// The next line without its line feed, cut to MAX_LINE_BYTES; false at the end of the file.
bool read_line(std::FILE* file, std::string* line);

// Replaces the contents of the file at `path` with `text`. A symbolic link stays a link and the
// file it leads to is written. A file the player may not write, or that is no regular file, is
// refused. The text goes into a temporary file that is renamed over the old one, so a failed
// save leaves the old file as it was and no temporary file behind; only where the folder cannot
// take a temporary file is the file written in place, with its old text put back on failure.
bool save_file(const std::string& path, const std::string& text);

// Writes `bytes` into a new file at `path`, neither following a link there nor replacing
// anything. Sets *taken and returns false when the name is already in use; a file that cannot
// be written whole is removed.
bool write_new_file(const std::string& path, const std::string& bytes, bool* taken);
