#include "persist/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace {

// For a call whose failure leaves nothing more to do; the compiler wants its result looked at.
void ignore_failure(int) {}

// As many links as the kernel follows before it calls it a loop.
constexpr int MAX_LINK_HOPS = 40;

bool write_all_at(int fd, const std::string& text, off_t offset) {
    const char* next = text.data();
    size_t left = text.size();
    while (left > 0) {
        // A regular file on a local disk is never interrupted part-way by a signal.
        ssize_t written = pwrite(fd, next, left, offset);
        if (written <= 0) return false;
        next += written;
        offset += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

bool read_all_at(int fd, std::string* text) {
    text->clear();
    char buffer[4096];
    for (off_t offset = 0;;) {
        ssize_t got = pread(fd, buffer, sizeof buffer, offset);
        if (got < 0) return false;
        if (got == 0) return true;
        text->append(buffer, size_t(got));
        offset += got;
    }
}

// "dir/name" gives "dir/", a bare name "".
std::string folder_prefix(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The path that the name leads to through any symbolic links.
std::string link_target(const std::string& path) {
    std::string target = path;
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        char buffer[PATH_MAX];
        ssize_t length = readlink(target.c_str(), buffer, sizeof buffer);
        if (length <= 0 || length == ssize_t(sizeof buffer)) break;
        std::string link(buffer, size_t(length));
        // A relative link is read from the folder that holds it.
        target = link[0] == '/' ? link : folder_prefix(target) + link;
    }
    return target;
}

// A new file gets the permissions it would have had if created the ordinary way; a replaced
// file keeps its own.
mode_t new_file_mode(const struct stat* existing) {
    if (existing) return existing->st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// So that the new name survives a power cut as well as the new contents do.
void sync_folder(const std::string& path) {
    std::string folder = folder_prefix(path);
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

enum class Replaced { Yes, No, NoTemporaryFile };

Replaced replace_through_temporary_file(const std::string& path, const std::string& text, const struct stat* existing) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> temp_name(pattern.begin(), pattern.end());
    temp_name.push_back('\0');
    int fd = mkostemp(temp_name.data(), O_CLOEXEC);
    if (fd < 0) return Replaced::NoTemporaryFile;
    bool ok = write_all_at(fd, text, 0) && fchmod(fd, new_file_mode(existing)) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp_name.data(), path.c_str()) == 0;
    if (!ok) {
        const int why = errno;
        unlink(temp_name.data());
        errno = why;
        return Replaced::No;
    }
    sync_folder(path);
    return Replaced::Yes;
}

bool overwrite_in_place(const std::string& path, const std::string& text) {
    int fd = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    std::string old_text;
    bool ok = read_all_at(fd, &old_text) && write_all_at(fd, text, 0) && ftruncate(fd, off_t(text.size())) == 0 &&
              fsync(fd) == 0;
    // Putting the old text back is all that can be done; if that fails too, nothing more can.
    if (!ok && write_all_at(fd, old_text, 0)) ignore_failure(ftruncate(fd, off_t(old_text.size())));
    return close(fd) == 0 && ok;
}

}  // namespace

std::FILE* open_regular_file(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info;
    std::FILE* file = nullptr;
    if (fstat(fd, &info) == 0) {
        if (S_ISREG(info.st_mode)) file = fdopen(fd, "r");
        else errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    if (!file) close(fd);
    return file;
}

std::string read_at_most(std::FILE* file, std::size_t bound) {
    std::string text;
    char chunk[65536];
    for (std::size_t got; text.size() <= bound &&
                          (got = std::fread(chunk, 1, std::min(sizeof chunk, bound + 1 - text.size()), file)) > 0;)
        text.append(chunk, got);
    return text;
}

bool read_line(std::FILE* file, std::string* line) {
    line->clear();
    int c;
    while ((c = std::getc(file)) != EOF && c != '\n')
        if (line->size() < MAX_LINE_BYTES) line->push_back(char(c));
    return c != EOF || !line->empty();
}

bool save_file(const std::string& path, const std::string& text) {
    const std::string target = link_target(path);
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (!S_ISREG(existing.st_mode)) {
            errno = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
            return false;
        }
        // Replacing the file through the folder would get round its own permissions.
        int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return false;
        close(fd);
    }
    switch (replace_through_temporary_file(target, text, exists ? &existing : nullptr)) {
        case Replaced::Yes: return true;
        case Replaced::No: return false;
        case Replaced::NoTemporaryFile: return exists && overwrite_in_place(target, text);
    }
    return false;
}

bool replace_own_file(const std::string& path, const std::string& text, const std::string& own_start,
                      std::string* why) {
    struct stat info;
    if (lstat(path.c_str(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) return *why = path + " is a symbolic link, which is not followed", false;
        std::string start(own_start.size(), '\0');
        std::FILE* file = open_regular_file(path);
        const bool ours = file && std::fread(start.data(), 1, start.size(), file) == start.size() && start == own_start;
        if (file) std::fclose(file);
        if (!ours)
            return *why = path + " is there already, and not written by this program: it is left as it is", false;
    }
    if (save_file(path, text)) return true;
    *why = "cannot write " + path + ": " + std::strerror(errno);
    return false;
}

bool write_new_file(const std::string& path, const std::string& bytes, bool* taken) {
    *taken = false;
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        *taken = errno == EEXIST;
        return false;
    }
    bool ok = write_all_at(fd, bytes, 0);
    ok = close(fd) == 0 && ok;
    if (!ok) unlink(path.c_str());
    return ok;
}

std::string write_under_new_name(const std::string& base, const std::string& extension, const std::string& bytes) {
    bool taken = true;
    for (unsigned n = 1; taken; ++n) {
        const std::string name = base + (n > 1 ? "_" + std::to_string(n) : "") + extension;
        if (write_new_file(name, bytes, &taken)) return name;
    }
    return "";
}

bool append_whole(const std::string& path, const std::string& header, const std::string& text) {
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX) == 0 && fstat(fd, &info) == 0;
    if (ok) {
        const off_t end = info.st_size;
        // A last line cut short, or edited without its line feed, keeps what it holds.
        char last = '\n';
        if (end > 0 && pread(fd, &last, 1, end - 1) != 1) ok = false;
        const std::string added = end == 0 ? header + text : last == '\n' ? text : "\n" + text;
        ok = ok && write_all_at(fd, added, end) && fsync(fd) == 0;
        if (!ok) ignore_failure(ftruncate(fd, end));
    }
    return close(fd) == 0 && ok;
}
