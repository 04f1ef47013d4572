#include "platform/CommandLine.h"

namespace fw::platform {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The runtime's program-name rule: a quote toggles grouping and is dropped; the name ends at the
// first blank outside quotes. Returns where the arguments begin.
std::size_t programName(std::string_view line, std::string& name) {
  bool quoted = false;
  std::size_t i = 0;
  for (; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && isBlank(c)) break;
    name += c;
  }
  return i;
}

} // namespace

std::vector<std::string> splitArguments(std::string_view text) {
  std::vector<std::string> args;
  std::size_t i = 0;
  bool quoted = false;
  for (;;) {
    while (i < text.size() && isBlank(text[i]))
      ++i;
    if (i >= text.size()) break;
    std::string arg;
    for (;;) {
      std::size_t backslashes = 0;
      while (i < text.size() && text[i] == '\\')
        ++backslashes, ++i;
      bool copy = true;
      if (i < text.size() && text[i] == '"') {
        if (backslashes % 2 == 0) {
          if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
            ++i; // "" inside quotes: one literal quote, still quoted
          } else {
            copy = false;
            quoted = !quoted;
          }
        }
        backslashes /= 2;
      }
      arg.append(backslashes, '\\');
      if (i >= text.size() || (!quoted && isBlank(text[i]))) break;
      if (copy) arg += text[i];
      ++i;
    }
    args.push_back(std::move(arg));
  }
  return args;
}

std::vector<std::string> splitCommandLine(std::string_view line) {
  std::vector<std::string> argv(1);
  std::size_t rest = programName(line, argv[0]);
  for (std::string& arg : splitArguments(line.substr(rest)))
    argv.push_back(std::move(arg));
  return argv;
}

std::optional<Command> parseCommand(std::string_view line, const Locator& locate) {
  std::size_t start = 0;
  while (start < line.size() && isBlank(line[start]))
    ++start;
  line.remove_prefix(start);
  if (line.empty()) return std::nullopt;

  if (line.front() == '"') {
    std::size_t close = line.find('"', 1);
    std::string_view name = line.substr(1, close == std::string_view::npos ? close : close - 1);
    std::string_view rest = close == std::string_view::npos ? std::string_view() : line.substr(close + 1);
    auto program = locate(std::string(name));
    if (!program) return std::nullopt;
    return Command{std::move(*program), splitArguments(rest)};
  }

  // Each blank that ends a word closes a candidate, and so does the end of the text.
  for (std::size_t i = 1; i <= line.size(); ++i) {
    if (i < line.size() && !(isBlank(line[i]) && !isBlank(line[i - 1]))) continue;
    if (auto program = locate(std::string(line.substr(0, i))))
      return Command{std::move(*program), splitArguments(line.substr(i))};
  }
  return std::nullopt;
}

} // namespace fw::platform
