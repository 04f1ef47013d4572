// The program paths in the settings file are Windows command lines of any text. Whatever the
// splitter makes of one, quoting its pieces again by the Microsoft rules and splitting that must
// give the same pieces; and the program found in a line is the shortest word-end prefix that the
// locator accepts, with the rest split as arguments.
//
// Input: one byte that chooses which candidates the locator accepts (those ending in that byte),
// then the command line.
#include "Check.h"
#include "platform/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Args = std::vector<std::string>;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// An argument as a caller must write it for the Microsoft runtime to give it back: plain when it
// has no blank or quote, otherwise in quotes, with a quote escaped by a backslash and the
// backslashes before a quote or before the closing quote doubled.
std::string quoteArgument(std::string_view arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string_view::npos) return std::string(arg);
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    out += c;
    backslashes = 0;
  }
  out.append(2 * backslashes, '\\');
  out += '"';
  return out;
}

std::string joined(const Args& args, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < args.size(); ++i) {
    if (i > from) out += ' ';
    out += quoteArgument(args[i]);
  }
  return out;
}

// The candidates CreateProcess tries, in order, for a line that starts with no blank: the text up
// to each blank that follows a non-blank, then the whole text.
std::vector<std::size_t> candidateEnds(std::string_view line) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i < line.size(); ++i)
    if (isBlank(line[i]) && !isBlank(line[i - 1])) ends.push_back(i);
  ends.push_back(line.size());
  return ends;
}

void checkParse(std::string_view line, char acceptedEnd) {
  std::vector<std::string> asked;
  const auto locate = [&](const std::string& candidate) -> std::optional<std::string> {
    asked.push_back(candidate);
    if (!candidate.empty() && candidate.back() == acceptedEnd) return "found:" + candidate;
    return std::nullopt;
  };
  const std::optional<fw::platform::Command> got = fw::platform::parseCommand(line, locate);

  std::string_view trimmed = line;
  while (!trimmed.empty() && isBlank(trimmed.front()))
    trimmed.remove_prefix(1);
  if (trimmed.empty()) {
    FUZZ_CHECK(!got && asked.empty(), "a blank line names no program and asks for none");
    return;
  }

  std::vector<std::string> expectedAsked;
  std::optional<fw::platform::Command> expected;
  if (trimmed.front() == '"') {
    const std::size_t close = trimmed.find('"', 1);
    const std::string name(
        trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    expectedAsked.push_back(name);
    if (!name.empty() && name.back() == acceptedEnd) {
      const std::string_view rest =
          close == std::string_view::npos ? std::string_view() : trimmed.substr(close + 1);
      expected = fw::platform::Command{"found:" + name, fw::platform::splitArguments(rest)};
    }
  } else {
    for (std::size_t end : candidateEnds(trimmed)) {
      expectedAsked.emplace_back(trimmed.substr(0, end));
      if (trimmed[end - 1] == acceptedEnd) {
        expected = fw::platform::Command{"found:" + expectedAsked.back(),
                                         fw::platform::splitArguments(trimmed.substr(end))};
        break;
      }
    }
  }
  FUZZ_CHECK(asked == expectedAsked,
             "the candidates are asked for in order, each once, up to the first found");
  FUZZ_CHECK(got.has_value() == expected.has_value(),
             "a program is found exactly when a candidate names one");
  if (got) {
    FUZZ_CHECK(got->program == expected->program, "the program is the first candidate that names one");
    FUZZ_CHECK(got->arguments == expected->arguments,
               "the text after the program is split into the arguments");
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const char acceptedEnd = static_cast<char>(data[0]);
  const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);

  const Args args = fw::platform::splitArguments(line);
  std::size_t kept = 0;
  for (const std::string& arg : args)
    kept += arg.size();
  FUZZ_CHECK(kept <= line.size(), "splitting only ever drops bytes of the line");
  FUZZ_CHECK(fw::platform::splitArguments(joined(args, 0)) == args,
             "quoted arguments split back to themselves");

  const Args argv = fw::platform::splitCommandLine(line);
  FUZZ_CHECK(!argv.empty(), "a command line always has a program name, maybe empty");
  FUZZ_CHECK(argv[0].find('"') == std::string::npos, "quotes in the program name only group");
  FUZZ_CHECK(argv[0].find_first_of(" \t") == std::string::npos || line.find('"') != std::string_view::npos,
             "a blank enters the program name only inside quotes");
  std::string again = "\"" + argv[0] + "\"";
  if (argv.size() > 1) again += " " + joined(argv, 1);
  FUZZ_CHECK(fw::platform::splitCommandLine(again) == argv,
             "a quoted program and quoted arguments split back");

  checkParse(line, acceptedEnd);
  return 0;
}
