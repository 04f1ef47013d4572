// How a command line falls apart by the Microsoft runtime's rules, and how the program is picked
// out of it.
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

#include <set>

TEST(CommandLine, splitsByTheMicrosoftRuntimeRules) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {R"("a b c" d e)", {"a b c", "d", "e"}},
      {R"("ab\"c" "\\" d)", {"ab\\c \\\\ d"}}, // the program name: quotes only toggle
      {R"(p "ab\"c" "\\" d)", {"p", "ab\"c", "\\", "d"}},
      {R"(p a\\\b d"e f"g h)", {"p", "a\\\\\\b", "de fg", "h"}},
      {R"(p a\\\"b c a\\\\"b c" d)", {"p", "a\\\"b", "c", "a\\\\b c", "d"}},
      {R"(p a"b"" c d)", {"p", "ab\" c d"}},
      {R"(p "" x)", {"p", "", "x"}},
      {"p  \t x\t \"unclosed tail", {"p", "x", "unclosed tail"}},
      {R"(C:\"odd name"\prog a\b\ c\\)", {"C:\\odd name\\prog", "a\\b\\", "c\\\\"}},
      {" p", {"", "p"}},
      {"", {""}}};
  for (const auto& [line, argv] : cases)
    EXPECT_EQ(fw::platform::splitCommandLine(line), argv) << line;
}

TEST(CommandLine, takesTheShortestPrefixThatIsAProgramUnlessQuoted) {
  const auto among = [](std::set<std::string> programs) {
    return [programs](const std::string& name) -> std::optional<std::string> {
      return programs.count(name) ? std::optional(name) : std::nullopt;
    };
  };
  const auto found =
      fw::platform::parseCommand("  /my games/velmora -x \"a b\"", among({"/my", "/my games/velmora"}));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->program, "/my");
  EXPECT_EQ(found->arguments, (std::vector<std::string>{"games/velmora", "-x", "a b"}));
  EXPECT_EQ(fw::platform::parseCommand(R"("/my games/velmora" z)", among({"/my games/velmora"}))->arguments,
            std::vector<std::string>{"z"});
  for (const char* line : {R"("/my games/velmora")", "/mya games", "   "}) // only whole words are candidates
    EXPECT_FALSE(fw::platform::parseCommand(line, among({"/my", "/m", ""}))) << line;
}
