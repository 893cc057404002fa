// File input and output that cannot hurt the player's files: reading only regular files with a
// bound on each line, saving a file whole or not at all, adding to the end of a file whole or not
// at all, and creating new files without following links or replacing anything.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Longer than any real line of the game's files; the rest of a longer line is skipped, so that
// a file that is one endless line cannot fill the memory.
constexpr std::size_t MAX_LINE_BYTES = 4096;

// A regular file opened for reading, or nullptr with errno set. Anything else (a FIFO, a device, a
// folder) is refused without blocking: reading it could hang or never end.
std::FILE* open_regular_file(const std::string& path);
// The file's bytes up to `bound` and one more, so that a file larger than the bound is told
// without reading the rest of it, and room is taken only for what is there.
std::string read_at_most(std::FILE* file, std::size_t bound);
// The next line without its line feed, cut to MAX_LINE_BYTES; false at the end of the file.
bool read_line(std::FILE* file, std::string* line);

// Replaces the contents of the file at `path` with `text`. A symbolic link stays a link and the
// file it leads to is written. A file the player may not write, or that is no regular file, is
// refused. The text goes into a temporary file that is renamed over the old one, so a failed
// save leaves the old file as it was and no temporary file behind; only where the folder cannot
// take a temporary file is the file written in place, with its old text put back on failure.
// A failure leaves errno saying why.
bool save_file(const std::string& path, const std::string& text);

// Replaces the file at `path` with `text` only where that loses nothing the player keeps: where
// no file is there, or a regular file (no link) whose text begins with `own_start`, the start of
// everything this program writes there. The text replaces the old file in one step. Otherwise,
// or when the file cannot be written, returns false and sets *why to the reason.
bool replace_own_file(const std::string& path, const std::string& text, const std::string& own_start, std::string* why);

// Writes `bytes` into a new file at `path`, neither following a link there nor replacing
// anything. Sets *taken and returns false when the name is already in use; a file that cannot
// be written whole is removed.
bool write_new_file(const std::string& path, const std::string& bytes, bool* taken);

// Writes `bytes` as base + extension, or base + "_2" + extension, "_3", ...: the first name not
// in use, whatever uses it (a link that leads nowhere too). Returns the name taken, or "" when
// the file could not be written whole, in which case none is left behind.
std::string write_under_new_name(const std::string& base, const std::string& extension, const std::string& bytes);

// Adds `text` to the end of the regular file at `path`, made when missing, whole or not at all:
// a write cut short is taken back. A file still empty gets `header` first; a file whose last line
// has no line feed gets one first. Two games adding at once take turns.
bool append_whole(const std::string& path, const std::string& header, const std::string& text);
