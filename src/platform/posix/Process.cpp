// POSIX: a detached double fork that reads the command line the way CreateProcess would.
#include "platform/Process.h"
#include "platform/CommandLine.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace fw::platform {

namespace {

bool isExecutableFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0111) != 0 &&
         access(path.c_str(), X_OK) == 0;
}

// A name with a separator is a path (relative ones against our current directory, as Windows
// does); a bare name is looked for in the current directory first and then along PATH.
std::optional<std::string> locate(const std::string& candidate) {
  if (candidate.empty()) return std::nullopt;
  const std::string here = currentDirectory() + "/";
  if (candidate.find('/') != std::string::npos) {
    std::string path = candidate.front() == '/' ? candidate : here + candidate;
    if (isExecutableFile(path)) return path;
    return std::nullopt;
  }
  if (isExecutableFile(here + candidate)) return here + candidate;
  const char* env = std::getenv("PATH");
  std::string dirs = env ? env : "";
  for (std::size_t from = 0; from <= dirs.size();) {
    std::size_t colon = dirs.find(':', from);
    if (colon == std::string::npos) colon = dirs.size();
    std::string dir = dirs.substr(from, colon - from);
    std::string path = (dir.empty() ? here : (dir.front() == '/' ? dir : here + dir) + "/") + candidate;
    if (isExecutableFile(path)) return path;
    from = colon + 1;
  }
  return std::nullopt;
}

void closeInheritedDescriptors(int keep, int limit) {
#ifdef SYS_close_range
  if (syscall(SYS_close_range, 3u, static_cast<unsigned>(keep - 1), 0u) == 0 &&
      syscall(SYS_close_range, static_cast<unsigned>(keep + 1), ~0u, 0u) == 0)
    return;
#endif
  for (int fd = 3; fd < limit; ++fd)
    if (fd != keep) close(fd);
}

void report(int fd, int error) {
  while (write(fd, &error, sizeof error) < 0 && errno == EINTR) {
  }
}

// Runs in the grandchild, after fork in a threaded process: async-signal-safe calls only.
[[noreturn]] void execDetached(const char* path, char* const argv[], const char* dir, int pipeOut,
                               int descriptorLimit) {
  setsid();
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction deflt {};
  deflt.sa_handler = SIG_DFL;
  for (int sig = 1; sig < NSIG; ++sig)
    sigaction(sig, &deflt, nullptr);
  closeInheritedDescriptors(pipeOut, descriptorLimit);
  if (*dir != '\0' && chdir(dir) != 0) {
    report(pipeOut, errno);
    _exit(127);
  }
  execve(path, argv, environ);
  report(pipeOut, errno);
  _exit(127);
}

int descriptorLimit() {
  struct rlimit rl {};
  if (getrlimit(RLIMIT_NOFILE, &rl) != 0 || rl.rlim_cur == RLIM_INFINITY || rl.rlim_cur > 65536) return 65536;
  return static_cast<int>(rl.rlim_cur);
}

} // namespace

bool launch(const std::string& commandLine, const std::string& workingDir) {
  std::optional<Command> command;
  try {
    command = parseCommand(commandLine, locate);
  } catch (const std::exception&) {
    return false; // our own current directory is gone: nothing relative can be found
  }
  if (!command) return false;

  // Everything the children need is built before fork: after it only async-signal-safe calls.
  std::vector<char*> argv;
  argv.push_back(command->program.data());
  for (std::string& arg : command->arguments)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  const int limit = descriptorLimit();

  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return false;
  pid_t middle = fork();
  if (middle < 0) {
    close(pipeFds[0]);
    close(pipeFds[1]);
    return false;
  }
  if (middle == 0) {
    // The middle child only forks and leaves, so the program is adopted by init and never
    // becomes our zombie.
    pid_t child = fork();
    if (child == 0) execDetached(argv[0], argv.data(), workingDir.c_str(), pipeFds[1], limit);
    if (child < 0) report(pipeFds[1], errno);
    _exit(0);
  }
  close(pipeFds[1]);
  while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes on exec; a failed exec (or chdir, or fork) sends its errno instead.
  int error = 0;
  ssize_t got;
  while ((got = read(pipeFds[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(pipeFds[0]);
  return got == 0;
}

} // namespace fw::platform
