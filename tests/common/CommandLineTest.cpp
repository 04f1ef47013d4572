// How a command line falls apart: the Microsoft runtime's rules, and how CreateProcess picks the
// program out of an unquoted path with blanks.
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

#include <set>

using fw::platform::Command;
using fw::platform::parseCommand;
using fw::platform::splitArguments;
using fw::platform::splitCommandLine;

namespace {

using Args = std::vector<std::string>;

struct SplitCase {
  const char* line;
  Args argv;
};

// The examples Microsoft documents for its runtime, plus the corners around them.
const SplitCase kCommandLines[] = {
    {R"("a b c" d e)", {"a b c", "d", "e"}},
    {R"("ab\"c" "\\" d)", {"ab\\c \\\\ d"}}, // argv[0]: quotes only toggle, never escaped
    {R"(p "ab\"c" "\\" d)", {"p", "ab\"c", "\\", "d"}},
    {R"(p a\\\b d"e f"g h)", {"p", "a\\\\\\b", "de fg", "h"}},
    {R"(p a\\\"b c d)", {"p", "a\\\"b", "c", "d"}},
    {R"(p a\\\\"b c" d e)", {"p", "a\\\\b c", "d", "e"}},
    {R"(p a"b"" c d)", {"p", "ab\" c d"}},
    {R"(p "" x)", {"p", "", "x"}},
    {R"(p """")", {"p", "\""}},
    {"p  \t x\t", {"p", "x"}},
    {R"(p "unclosed tail)", {"p", "unclosed tail"}},
    {R"(p a\b\ c\\)", {"p", "a\\b\\", "c\\\\"}},
    {R"(C:\dir\prog.exe -x)", {"C:\\dir\\prog.exe", "-x"}},
    {R"("C:\Program Files\prog.exe" /s)", {"C:\\Program Files\\prog.exe", "/s"}},
    {R"(C:\"odd name"\prog a)", {"C:\\odd name\\prog", "a"}},
    {" p", {"", "p"}}, // a leading blank ends an empty program name
    {"", {""}},
};

TEST(SplitCommandLine, followsTheMicrosoftRuntimeRules) {
  for (const SplitCase& c : kCommandLines)
    EXPECT_EQ(splitCommandLine(c.line), c.argv) << c.line;
}

TEST(SplitArguments, treatsTheFirstWordLikeAnyOther) {
  EXPECT_EQ(splitArguments(R"("ab\"c" d)"), (Args{"ab\"c", "d"}));
  EXPECT_EQ(splitArguments(""), Args{});
  EXPECT_EQ(splitArguments(" \t "), Args{});
  EXPECT_EQ(splitArguments(R"("")"), Args{""});
}

// A locator over a fixed set of executables, answering each name under a marker prefix so that a
// test sees the program came from the locator.
fw::platform::Locator among(std::set<std::string> programs, std::vector<std::string>* asked = nullptr) {
  return [programs = std::move(programs), asked](const std::string& name) -> std::optional<std::string> {
    if (asked) asked->push_back(name);
    if (!programs.count(name)) return std::nullopt;
    return "found:" + name;
  };
}

struct ParseCase {
  const char* line;
  std::set<std::string> executables;
  std::optional<Command> expected;
};

bool operator==(const Command& a, const Command& b) {
  return a.program == b.program && a.arguments == b.arguments;
}

TEST(ParseCommand, findsTheProgramAsCreateProcessDoes) {
  const ParseCase cases[] = {
      {"/g/velmora", {"/g/velmora"}, Command{"found:/g/velmora", {}}},
      {"/g/velmora -windowed 1", {"/g/velmora"}, Command{"found:/g/velmora", {"-windowed", "1"}}},
      {"/my games/velmora -x", {"/my games/velmora"}, Command{"found:/my games/velmora", {"-x"}}},
      // The shortest prefix wins even when a longer one also names a program.
      {"/my games/velmora", {"/my", "/my games/velmora"}, Command{"found:/my", {"games/velmora"}}},
      {R"("/my games/velmora" "a b" c)",
       {"/my games/velmora"},
       Command{"found:/my games/velmora", {"a b", "c"}}},
      // A quoted program is taken as it stands, never shortened.
      {R"("/my games/velmora")", {"/my"}, std::nullopt},
      {R"("/my games/velmora)", {"/my games/velmora"}, Command{"found:/my games/velmora", {}}},
      {"  /g/velmora", {"/g/velmora"}, Command{"found:/g/velmora", {}}},
      {"/g/velmora \"a\\\"b\"", {"/g/velmora"}, Command{"found:/g/velmora", {"a\"b"}}},
      {"/nowhere/x y", {"/g/velmora"}, std::nullopt},
      {"", {""}, std::nullopt},
      {"   ", {""}, std::nullopt},
  };
  for (const ParseCase& c : cases) {
    auto got = parseCommand(c.line, among(c.executables));
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.line;
    if (got) {
      EXPECT_TRUE(*got == *c.expected) << c.line << " -> " << got->program;
    }
  }
}

TEST(ParseCommand, triesEachWordEndOnceInOrder) {
  std::vector<std::string> asked;
  EXPECT_FALSE(parseCommand("a  b\tc", among({}, &asked)));
  EXPECT_EQ(asked, (Args{"a", "a  b", "a  b\tc"}));
}

} // namespace
