#include "e2e/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

constexpr Milliseconds POLL_INTERVAL(10);

void redirect(const std::string& path, int target, int flags) {
    int fd = open(path.empty() ? "/dev/null" : path.c_str(), flags, 0644);
    if (fd < 0) _exit(126);
    dup2(fd, target);
    close(fd);
}

// Runs in the forked child only, so changing its environment touches nothing of the test's.
[[noreturn]] void exec_child(const Launch& launch) {
    setpgid(0, 0);
    redirect("", STDIN_FILENO, O_RDONLY);
    redirect(launch.stdout_path, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    redirect(launch.stderr_path, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    if (chdir(launch.working_directory.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : launch.environment) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    std::vector<char*> argv;
    for (const std::string& word : launch.argv) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    execvp(launch.program.c_str(), argv.data());
    _exit(127);
}

}  // namespace

Process::Process(const Launch& launch) {
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) exec_child(launch);
    // Also from the parent, so that the group exists before anyone signals it.
    setpgid(pid_, pid_);
}

Process::~Process() {
    if (status_) return;
    terminate(SIGKILL);
    reap(0);
}

bool Process::reap(int options) {
    if (status_) return true;
    int status = 0;
    if (waitpid(pid_, &status, options) != pid_) return false;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
}

bool Process::running() { return !reap(WNOHANG); }

std::optional<int> Process::wait_for_exit(Milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!reap(WNOHANG)) {
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    return status_;
}

void Process::terminate(int signal) {
    if (!status_) kill(-pid_, signal);
}

CommandResult run_command(const std::vector<std::string>& argv, const Environment& environment,
                          Milliseconds timeout) {
    char path[] = "/tmp/tapfall-e2e-output-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) throw std::runtime_error("mkstemp failed");
    close(fd);
    CommandResult result;
    {
        Process tool(Launch{argv[0], argv, ".", environment, path, ""});
        result.status = tool.wait_for_exit(timeout).value_or(-1);
    }
    result.output = read_file(path);
    std::filesystem::remove(path);
    return result;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
