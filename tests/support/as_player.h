// as_player: runs a piece of a test with the file permissions a player has. Tests often run as
// root, whom permissions do not stop; then the piece runs in a child process under the
// unprivileged user "nobody", to whom the folder and everything in it is given first.
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

// Returns what `body` returned; false when it could not be run.
inline bool as_player(const std::filesystem::path& folder, const std::function<bool()>& body) {
    if (geteuid() != 0) return body();
    const uid_t nobody = 65534;
    if (lchown(folder.c_str(), nobody, nobody) != 0) return false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (lchown(entry.path().c_str(), nobody, nobody) != 0) return false;
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(nobody) != 0 || setuid(nobody) != 0) _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
