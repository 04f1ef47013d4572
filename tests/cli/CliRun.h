// Runs fleetwick-cli as a script would, and the game folders its tests compare.
#pragma once

#include "TempFolder.h"
#include "backup/RecordWriter.h"
#include "common/Services.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Startup.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace fw::test {

struct CliResult {
  int code = -1;
  std::string out, err;
};

// One running fleetwick-cli; several may run at once.
class CliProcess {
public:
  explicit CliProcess(std::vector<std::string> args) : logs_(std::make_unique<TempFolder>()) {
    args.insert(args.begin(), FLEETWICK_CLI);
    std::vector<char*> argv;
    for (std::string& a : args)
      argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t redirect;
    posix_spawn_file_actions_init(&redirect);
    const std::string out = logs_->str() + "/out", err = logs_->str() + "/err";
    posix_spawn_file_actions_addopen(&redirect, 1, out.c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_addopen(&redirect, 2, err.c_str(), O_WRONLY | O_CREAT, 0644);
    if (posix_spawn(&pid_, FLEETWICK_CLI, &redirect, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&redirect);
  }

  CliResult wait() {
    int status = 0;
    if (pid_ < 0 || waitpid(pid_, &status, 0) != pid_ || !WIFEXITED(status)) return {};
    return {WEXITSTATUS(status), logs_->read("out"), logs_->read("err")};
  }

private:
  std::unique_ptr<TempFolder> logs_;
  pid_t pid_ = -1;
};

inline CliResult runCli(std::vector<std::string> args) { return CliProcess(std::move(args)).wait(); }

// The window started in the current folder, its buttons run as the window runs them.
struct Window {
  MainState s;
  Services services{[] { return std::string("06.12.2026 10:00:00"); }, [](FileKind, const LineBuffer&) {}};

  Window() { constructMainState(s); }
  void lookUp(Category c, const std::string& entry) {
    selectCategory(s, c);
    s.vehicleList(c).text = entry;
    vehicleListChanged(s);
    lookUpVehicle(s, c);
  }
  void write(FileKind k, const std::string& typed) {
    s.file(k).input.text = typed;
    writeLine(s, k, services);
  }
};

// A game folder with the program's stock data files.
inline void makeStockGame(const TempFolder& game) {
  auto stock = [](const char* name) { return readBytes(std::string(FLEETWICK_SOURCE_DIR "/data/") + name); };
  makeGameFolder(game, stock("handling.dat"), stock("vehicles.ide"), stock("carcols.dat"));
}

// The folder's snapshot with each file as a digest (a failure names the files that differ, not
// their megabytes) and the dated lists without their times. The lock file is the writers' meeting
// point, no data of the user's.
inline std::map<std::string, std::size_t> contents(const TempFolder& folder) {
  std::map<std::string, std::size_t> out;
  for (auto& [name, bytes] : folder.snapshot()) {
    if (name == "backup/fleetwick.lock") continue;
    if (name.ends_with("list.txt"))
      for (std::size_t at = 0; (at = bytes.find("          ", at)) != std::string::npos; at += 10)
        bytes.erase(at + 10, bytes.find('\r', at) - at - 10);
    out[name] = std::hash<std::string>{}(bytes);
  }
  return out;
}

} // namespace fw::test
