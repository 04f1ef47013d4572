// A child process that a test forks, which never outlives it: the child dies with the test that
// forked it (a failed assertion, ctest's timeout), and the test waits for it only so long.
#pragma once

#include <chrono>
#include <csignal>
#include <functional>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fw::test {

// Runs `body` in a child process that exits with its answer.
inline pid_t forkChild(const std::function<int()>& body) {
  const pid_t parent = getpid();
  const pid_t child = fork();
  if (child != 0) return child;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(126); // the test ended before the line above
  _exit(body());
}

// The child's status as waitpid() gives it (with `options`, such as WUNTRACED), or -1 when it was
// still running after `patience` and has been killed.
inline int waitFor(pid_t child, int options = 0, std::chrono::seconds patience = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  int status = 0;
  while (waitpid(child, &status, options | WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return status;
}

} // namespace fw::test
