// Starting real programs: a shell script that records what it was given, in a folder whose name
// holds a blank, as a game installed under "Program Files" would be.
#include "TempFolder.h"
#include "platform/Process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using fw::platform::launch;

class Launch : public testing::Test {
protected:
  // A script at `name` (relative to the root) that records where it runs, whether descriptor 37 of
  // ours reached it, whether it has a session of its own and no signal ignored, and its arguments,
  // after `before`; the record appears whole, by a rename.
  void script(const std::string& name, const std::string& before = "") const {
    const std::string out = (root.path() / "record").string();
    setenv("FW_SESSION", std::to_string(getsid(0)).c_str(), 1);
    root.write(name, "#!/bin/sh\n" + before + "[ -e /proc/$$/fd/37 ] && fd=leaked || fd=clean\n" +
                         "[ \"$(cut -d' ' -f6 /proc/$$/stat)\" = \"$FW_SESSION\" ] && s=ours || s=own\n" +
                         "grep -q '^SigIgn:[[:space:]]*0*$' /proc/$$/status || s=$s-ignoring\n" +
                         "{ echo \"$(pwd -P) $fd $s\"; for a in \"$@\"; do echo \"[$a]\"; done; } > '" + out +
                         ".part'\nmv '" + out + ".part' '" + out + "'\n");
    fs::permissions(root.path() / name, fs::perms::owner_all);
  }
  std::string record() const {
    for (int i = 0; i < 400 && !root.has("record"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    const std::string text = root.has("record") ? root.read("record") : "none";
    fs::remove(root.path() / "record");
    return text;
  }

  fw::test::TempFolder root;
  const std::string prog = (root.path() / "my games/record").string(), dir = root.str();
};

TEST_F(Launch, runsTheCommandLineInTheGivenFolderDetachedAndWithoutOurDescriptors) {
  const auto descriptors = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
  const auto before = descriptors();
  std::signal(SIGUSR2, SIG_IGN); // inherited across exec unless the launcher resets it
  script("my games/record");
  ASSERT_TRUE(launch("\"" + prog + "\" \"a b\" -x \"\"", dir));
  EXPECT_EQ(record(), dir + " clean own\n[a b]\n[-x]\n[]\n");
  ASSERT_TRUE(launch(prog + " one  two", ""));
  EXPECT_EQ(record(), fs::current_path().string() + " clean own\n[one]\n[two]\n") << "no folder: ours";
  const std::string path = getenv("PATH");
  setenv("PATH", (dir + "/none:" + dir + "/my games:" + path).c_str(), 1);
  const bool found = launch("record y", dir);
  setenv("PATH", path.c_str(), 1);
  ASSERT_TRUE(found);
  EXPECT_EQ(record(), dir + " clean own\n[y]\n") << "a bare name is looked up in PATH";
  // The script waits for its gate, so a launcher that waited for it would never return.
  script("my games/gated",
         "n=0; while [ ! -e '" + dir + "/gate' ] && [ $n -lt 400 ]; do sleep 0.025; n=$((n+1)); done\n");
  int probe = open(dir.c_str(), O_RDONLY);
  ASSERT_EQ(dup2(probe, 37), 37); // dup2 clears close-on-exec
  close(probe);
  const bool started = launch("\"" + dir + "/my games/gated\"", dir);
  close(37);
  ASSERT_TRUE(started);
  root.write("gate", "");
  EXPECT_EQ(record(), dir + " clean own\n");
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "no child of ours, not even a zombie";
  EXPECT_EQ(descriptors(), before) << "none of ours left open";
}

TEST_F(Launch, takesTheShortestPrefixThatIsAProgramAndStartsNothingThatCannotRun) {
  script("my games/record"), script("my");
  ASSERT_TRUE(launch(prog, dir));
  EXPECT_EQ(record(), dir + " clean own\n[games/record]\n");
  fs::permissions(root.path() / "my", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(launch(prog + " x", dir));
  EXPECT_EQ(record(), dir + " clean own\n[x]\n") << "a file that cannot run is no program";
  root.write("my games/plain.txt", "#!/bin/sh\n");
  root.write("my games/garbage", "\x7f"
                                 "ELF not really");
  fs::permissions(root.path() / "my games/garbage", fs::perms::owner_all);
  for (const std::string& line : {std::string(), std::string("\"\""), prog + "x", dir + "/my games/plain.txt",
                                  dir + "/my games", dir + "/my games/garbage"})
    EXPECT_FALSE(launch(line, dir)) << line;
  EXPECT_FALSE(launch(prog, dir + "/no such dir"));
  EXPECT_FALSE(root.has("record"));
  fw::test::TempFolder gone(true);
  fs::remove(gone.path());
  EXPECT_FALSE(launch("record x", "")) << "our own current directory is gone";
}
