#pragma once

// The program a window watcher (mapwatch, pingwatch) measures: started and stopped the same way.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

// Starts argv[0] with its arguments, its standard output going to `stdoutFd` when that is not
// -1. Programs that report their own progress find the moment of launch in TASTRA_LAUNCH_NS
// (nanoseconds since the epoch, see app/startupprobe.h), so that both count from the same one.
inline pid_t LaunchProgram(char** argv, int stdoutFd = -1) {
    const auto epoch = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    setenv("TASTRA_LAUNCH_NS", std::to_string(epoch.count()).c_str(), 1);
    const pid_t pid = fork();
    if (pid == 0) {
        if (stdoutFd >= 0) {
            dup2(stdoutFd, STDOUT_FILENO);
            close(stdoutFd);
        }
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

// Asks the program to end, and ends it when it has not after five seconds.
inline void StopProgram(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(100000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
