// Starting real programs: small shell scripts that record what they were given, placed in folders
// whose names hold blanks, as a game installed under "Program Files" would be.
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using fw::platform::launch;

namespace {

constexpr int kLeakProbe = 37; // a descriptor of ours without close-on-exec, far from the shell's own

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write(const fs::path& p, const std::string& text, fs::perms perms) {
  std::ofstream(p, std::ios::binary) << text;
  fs::permissions(p, perms);
}

// The processes whose parent is this test: a detached launch leaves none, not even a zombie.
std::vector<std::string> childrenOfOurs() {
  std::vector<std::string> found;
  const std::string me = std::to_string(getpid());
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::string stat = slurp(entry.path() / "stat");
    auto close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(stat.substr(close + 2));
    std::string state, ppid;
    rest >> state >> ppid;
    if (ppid == me) found.push_back(entry.path().filename().string() + " " + state);
  }
  return found;
}

class Launch : public testing::Test {
protected:
  void SetUp() override {
    char templ[] = "/tmp/fleetwick-launch-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    root = fs::canonical(templ);
    programs = root / "my games";
    work = root / "work dir";
    fs::create_directories(programs);
    fs::create_directories(work);
    out = root / "record.txt";
    write(programs / "record", recorder(""), fs::perms::owner_all);
  }
  void TearDown() override { fs::remove_all(root); }

  // Records its directory, whether our probe descriptor reached it, its arguments and its
  // session; `before` runs first. The file appears whole, by a rename, when the script is done.
  std::string recorder(const std::string& before) const {
    return "#!/bin/sh\n"
           "if [ -e /proc/$$/fd/" +
           std::to_string(kLeakProbe) + " ]; then fd=leaked; else fd=clean; fi\n" + before +
           "{\n"
           "  echo \"cwd=$(pwd -P)\"\n"
           "  echo \"fd=$fd\"\n"
           "  for a in \"$@\"; do echo \"arg=[$a]\"; done\n"
           "  set -- $(cat /proc/$$/stat)\n"
           "  echo \"sid=$6\"\n"
           "} > '" +
           out.string() +
           ".part'\n"
           "mv '" +
           out.string() + ".part' '" + out.string() + "'\n";
  }

  // The script's record, waited for: the launcher itself does not wait.
  std::string record() const {
    for (int i = 0; i < 400 && !fs::exists(out); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return slurp(out);
  }

  std::string expected(const fs::path& dir, const std::vector<std::string>& args) const {
    std::string text = "cwd=" + dir.string() + "\nfd=clean\n";
    for (const auto& a : args)
      text += "arg=[" + a + "]\n";
    return text;
  }

  static std::string withoutSession(const std::string& record) {
    return record.substr(0, record.rfind("sid="));
  }

  fs::path root, programs, work, out;
};

TEST_F(Launch, quotedPathWithArgumentsRunsInTheWorkingDirectory) {
  const std::string line = "\"" + (programs / "record").string() + "\" \"a b\" -x \"\"";
  ASSERT_TRUE(launch(line, work.string()));
  EXPECT_EQ(withoutSession(record()), expected(work, {"a b", "-x", ""}));
}

TEST_F(Launch, unquotedPathWithBlanksIsResolvedAndTheRestAreArguments) {
  ASSERT_TRUE(launch((programs / "record").string() + " one  two", work.string()));
  EXPECT_EQ(withoutSession(record()), expected(work, {"one", "two"}));
}

TEST_F(Launch, shorterPrefixThatIsAProgramWins) {
  // "<root>/my" is a program too: Windows takes it before "<root>/my games/record".
  write(root / "my", recorder(""), fs::perms::owner_all);
  ASSERT_TRUE(launch((programs / "record").string() + " z", root.string()));
  EXPECT_EQ(withoutSession(record()), expected(root, {"games/record", "z"}));
}

TEST_F(Launch, emptyWorkingDirectoryKeepsOurs) {
  ASSERT_TRUE(launch("\"" + (programs / "record").string() + "\"", ""));
  EXPECT_EQ(withoutSession(record()), expected(fs::canonical(fs::current_path()), {}));
}

TEST_F(Launch, childIsDetachedInItsOwnSessionWithoutOurDescriptors) {
  // The script blocks until we open its gate, so a launcher that waited would never return.
  const fs::path gate = root / "gate";
  write(programs / "gated",
        recorder("n=0; while [ ! -e '" + gate.string() +
                 "' ] && [ $n -lt 400 ]; do sleep 0.025; n=$((n+1)); done\n"),
        fs::perms::owner_all);
  int probe = open(root.c_str(), O_RDONLY);
  ASSERT_GE(probe, 0);
  ASSERT_EQ(dup2(probe, kLeakProbe), kLeakProbe); // dup2 clears close-on-exec
  close(probe);

  const bool started = launch("\"" + (programs / "gated").string() + "\"", work.string());
  close(kLeakProbe);
  ASSERT_TRUE(started);
  EXPECT_EQ(childrenOfOurs(), std::vector<std::string>{});
  EXPECT_FALSE(fs::exists(out));
  write(gate, "", fs::perms::owner_all);

  const std::string got = record();
  EXPECT_EQ(withoutSession(got), expected(work, {}));
  EXPECT_NE(got.find("sid="), std::string::npos);
  EXPECT_NE(got.substr(got.find("sid=") + 4), std::to_string(getsid(0)) + "\n");
  EXPECT_EQ(childrenOfOurs(), std::vector<std::string>{});
}

TEST_F(Launch, nothingStartsWhenTheProgramCannotRun) {
  write(programs / "plain.txt", "#!/bin/sh\necho hi\n", fs::perms::owner_read | fs::perms::owner_write);
  write(programs / "garbage",
        "\x7f"
        "ELF not really",
        fs::perms::owner_all); // exec itself fails
  fs::create_directories(programs / "folder");
  const struct {
    std::string line, dir;
  } cases[] = {
      {"", work.string()},
      {"   ", work.string()},
      {"\"\"", work.string()},
      {(root / "missing").string(), work.string()},
      {"\"" + (programs / "record").string() + "x\"", work.string()},
      {(programs / "plain.txt").string(), work.string()},
      {(programs / "folder").string(), work.string()},
      {(programs / "garbage").string(), work.string()},
      {(programs / "record").string(), (root / "no such dir").string()},
  };
  for (const auto& c : cases)
    EXPECT_FALSE(launch(c.line, c.dir)) << "[" << c.line << "] in " << c.dir;
  EXPECT_EQ(childrenOfOurs(), std::vector<std::string>{});
  EXPECT_FALSE(fs::exists(out));
}

} // namespace
