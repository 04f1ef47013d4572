// The program paths in the settings file are Windows command lines of any text. Quoting what the
// splitter made of one by the Microsoft rules and splitting again gives the same pieces, and the
// program found is a word-end prefix the locator accepted, with the rest split as arguments.
//
// Input: one byte (the locator accepts the candidates that end in it), then the command line.
#include "Check.h"
#include "platform/CommandLine.h"

namespace {

// An argument as a caller must write it for the runtime to give it back: in quotes, a quote
// escaped by a backslash, the backslashes before a quote or before the closing quote doubled.
std::string quoted(const std::vector<std::string>& args, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < args.size(); ++i) {
    out += i > from ? " \"" : "\"";
    std::size_t backslashes = 0;
    for (char c : args[i]) {
      if (c == '"') out.append(backslashes + 1, '\\');
      backslashes = c == '\\' ? backslashes + 1 : 0;
      out += c;
    }
    out.append(backslashes, '\\');
    out += '"';
  }
  return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const char acceptedEnd = static_cast<char>(data[0]);
  const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto args = fw::platform::splitArguments(line);
  FUZZ_CHECK(fw::platform::splitArguments(quoted(args, 0)) == args, "quoted arguments split back");
  const auto argv = fw::platform::splitCommandLine(line);
  FUZZ_CHECK(argv[0].find('"') == std::string::npos, "quotes in the program name only group");
  FUZZ_CHECK(fw::platform::splitCommandLine("\"" + argv[0] + "\" " + quoted(argv, 1)) == argv,
             "it splits back");

  std::vector<std::string> asked;
  const auto command =
      fw::platform::parseCommand(line, [&](const std::string& candidate) -> std::optional<std::string> {
        FUZZ_CHECK(asked.empty() || candidate.size() > asked.back().size(),
                   "each candidate once, shortest first");
        asked.push_back(candidate);
        if (candidate.empty() || candidate.back() != acceptedEnd) return std::nullopt;
        return "found:" + candidate;
      });
  FUZZ_CHECK(command.has_value() ==
                 (!asked.empty() && !asked.back().empty() && asked.back().back() == acceptedEnd),
             "the search ends at the first candidate the locator accepts");
  const std::size_t start = line.find_first_not_of(" \t");
  if (command && line[start] != '"') {
    FUZZ_CHECK(line.substr(start, asked.back().size()) == asked.back(),
               "a candidate is a prefix of the line");
    FUZZ_CHECK(command->program == "found:" + asked.back(), "the program is the accepted candidate");
    FUZZ_CHECK(command->arguments == fw::platform::splitArguments(line.substr(start + asked.back().size())),
               "the text after the program is split into the arguments");
  }
  return 0;
}
