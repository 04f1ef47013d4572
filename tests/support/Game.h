// A game folder as the current directory, the main window's state started in it, and its commands
// run as the window runs them: each answers its error's text (UTF-8), or "" when it went through.
#pragma once

#include "TempFolder.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Startup.h"

#include <functional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fw::test {

struct Game {
  explicit Game(const fs::path& dataFiles) { makeGameFolder(folder, dataFiles); }
  static std::string run(const std::function<void()>& command) {
    try {
      command();
    } catch (const Error& e) {
      return utf8Message(e);
    } catch (const std::exception& e) {
      return e.what();
    }
    return "";
  }
  std::string start() {
    return run([&] { constructMainState(s = MainState()); });
  }
  std::string lookUp(const std::string& text, Category c = Category::Car) {
    s.vehicleList(c).text = text;
    return run([&] { lookUpVehicle(s, c); });
  }
  std::string write(FileKind k, const std::string& typed) {
    s.file(k).input.text = typed;
    return run([&] { writeLine(s, k, services); });
  }
  std::string restore(FileKind k, const std::string& name) {
    s.file(k).backupNames.text = name;
    return run([&] { restoreLine(s, k, services); });
  }
  // The log's lines from `from` on, in UTF-8.
  std::vector<std::string> log(std::size_t from = 1) const {
    std::vector<std::string> out;
    for (std::size_t i = from; i < s.log.size(); ++i)
      out.push_back(cp1251::toUtf8(s.log.at(static_cast<std::int64_t>(i))));
    return out;
  }
  // The text with its ~ replaced by the game folder's path.
  std::string inFolder(std::string text) const {
    if (auto at = text.find('~'); at != std::string::npos) text.replace(at, 1, folder.str());
    return text;
  }
#ifndef _WIN32
  // Puts a FIFO (S_IFIFO) or the null device (S_IFCHR) where a file was or would be.
  void replaceWith(const std::string& file, mode_t type) const {
    fs::remove(folder.path(file));
    if (type == S_IFIFO)
      mkfifo(folder.at(file).c_str(), 0644);
    else
      fs::create_symlink("/dev/null", folder.path(file));
  }
#endif
  // The folder's files but the lock, which is the writers' meeting point and no data of the user's.
  std::map<std::string, std::string> files() const {
    auto all = folder.snapshot();
    all.erase("backup/fleetwick.lock");
    return all;
  }

  TempFolder folder{true};
  MainState s;
  std::array<LineBuffer, 3> reloaded{};
  Services services{[] { return std::string("6.12.26 10:00"); },
                    [this](FileKind k, const LineBuffer& lines) { reloaded[indexOf(k)] = lines; }};
};

} // namespace fw::test
