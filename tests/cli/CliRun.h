// fleetwick-cli run as a script runs it, through the shell, in a game folder of the stock files.
#pragma once

#include "Game.h"

#include <sys/wait.h>

namespace fw::test {

struct Cli {
  int code;
  std::string out, err;
};

// The command through the shell, after `before` (variables, a wrapper): `args` quoted, so they are
// taken as given, then `words` as the shell splits them.
inline Cli cli(const std::vector<std::string>& args, const std::string& words = "",
               const std::string& before = "") {
  TempFolder streams;
  std::string line = before + " " FLEETWICK_CLI;
  for (const std::string& arg : args)
    line += " '" + arg + "'";
  line += " " + words;
  const int status =
      std::system((line + " >'" + streams.at("out") + "' 2>'" + streams.at("err") + "'").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, streams.read("out"), streams.read("err")};
}

struct StockGame : Game {
  StockGame() : Game(FLEETWICK_SOURCE_DIR "/data") {}
  // The files with the dated lists' times left out, which differ by the second.
  std::map<std::string, std::string> undated() const {
    auto all = files();
    for (auto& [name, bytes] : all)
      for (std::size_t at = 0;
           name.ends_with("list.txt") && (at = bytes.find("          ", at)) != bytes.npos; at += 10)
        bytes.erase(at + 10, bytes.find('\r', at) - at - 10);
    return all;
  }
};

} // namespace fw::test
