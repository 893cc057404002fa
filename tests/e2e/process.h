// Process: a child program started with fork/exec, killed when the object goes; and
// run_command, which runs a short-lived tool to completion and returns what it printed.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

using Milliseconds = std::chrono::milliseconds;

// Variables to set in the child's environment; nullopt removes the variable.
using Environment = std::map<std::string, std::optional<std::string>>;

struct Launch {
    // What to execute: a path, or a bare name that is looked up on the child's PATH.
    std::string program;
    // The child's argv; argv[0] may differ from the program, as a shell's would for a symlink.
    std::vector<std::string> argv;
    std::string working_directory = ".";
    Environment environment;
    // Empty: the stream goes to /dev/null.
    std::string stdout_path;
    std::string stderr_path;
};

class Process {
public:
    explicit Process(const Launch& launch);
    // Kills whatever is still running in the child's process group and reaps it.
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // The exit status (128 + signal for a killed child), or nullopt if still running at the end.
    std::optional<int> wait_for_exit(Milliseconds timeout);
    void terminate(int signal);

private:
    bool reap(int options);
    pid_t pid_ = -1;
    std::optional<int> status_;
};

struct CommandResult {
    int status = -1;
    std::string output;
};

// Runs a tool with the environment changes applied; it is killed if it outlives the timeout.
CommandResult run_command(const std::vector<std::string>& argv, const Environment& environment,
                          Milliseconds timeout = Milliseconds(5000));

std::string read_file(const std::string& path);
