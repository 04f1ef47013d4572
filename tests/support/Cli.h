// fleetwick-cli run as a script runs it: through the shell, as a process of its own.
#pragma once

#include "TempFolder.h"

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
  const int status = std::system(
      (line + " " + words + " >'" + streams.at("out") + "' 2>'" + streams.at("err") + "'").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, streams.read("out"), streams.read("err")};
}

} // namespace fw::test
