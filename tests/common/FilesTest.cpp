#include "common/Files.h"
#include "TempFolder.h"
#include "common/Errors.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <functional>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using fw::FilePath;
using fw::test::TempFolder;

namespace {

std::string messageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const fw::Error& e) {
    return e.what();
  }
  return "no error";
}

} // namespace

TEST(Files, loadFailsWithThePathAsBuilt) {
  TempFolder dir(true);
  EXPECT_EQ(messageOf([] { fw::loadLines(FilePath::relative("common//data//handling.dat")); }),
            "Cannot open file common//data//handling.dat");
  dir.makeDir("folder");
  EXPECT_EQ(messageOf([] { fw::loadLines(FilePath::relative("folder")); }), "Cannot open file folder");
  EXPECT_FALSE(fw::exists(FilePath::relative("folder")));
}

TEST(Files, saveRefusesReadOnlyAndMissingFoldersLeavingTheOldFile) {
  TempFolder dir;
  dir.write("ro.dat", "keep\r\n");
  dir.makeReadOnly("ro.dat");
  const std::string ro = dir.str() + "/ro.dat";
  EXPECT_EQ(messageOf([&] { fw::saveLines(FilePath::chosen(ro), fw::LineBuffer{"x"}); }),
            "Cannot create file " + ro);
  EXPECT_EQ(dir.read("ro.dat"), "keep\r\n");
  const std::string missing = dir.str() + "/nowhere/x.dat";
  EXPECT_EQ(messageOf([&] { fw::saveLines(FilePath::chosen(missing), fw::LineBuffer{"x"}); }),
            "Cannot create file " + missing);
  EXPECT_EQ(dir.listing(), "ro.dat\n");
}

TEST(Files, saveReplacesTheWholeFileLeavingNoTemporaryFile) {
  TempFolder dir;
  dir.write("f.dat", "old old old\nsecond\n");
  fw::saveLines(FilePath::chosen(dir.str() + "/f.dat"), fw::LineBuffer{"new", "\xE0"});
  EXPECT_EQ(dir.read("f.dat"), "new\r\n\xE0\r\n");
  EXPECT_EQ(dir.listing(), "f.dat\n");
}

#ifndef _WIN32

namespace {

mode_t modeOf(const std::filesystem::path& p) {
  struct stat st {};
  stat(p.c_str(), &st);
  return st.st_mode & 07777;
}

} // namespace

TEST(FilesPosix, pathsKeepTheProgramTextAndMapBackslashes) {
  FilePath rel = FilePath::relative("common\\data\\handling.dat");
  EXPECT_EQ(rel.text, "common\\data\\handling.dat");
  EXPECT_EQ(rel.native, "common/data/handling.dat");
  FilePath under = FilePath::under("/games/a\\b", "\\fleetwick.ini");
  EXPECT_EQ(under.text, "/games/a\\b\\fleetwick.ini");
  EXPECT_EQ(under.native, "/games/a\\b/fleetwick.ini") << "only the literal is mapped";
  EXPECT_EQ(FilePath::relative("backup//hblist.txt").native, "backup//hblist.txt");
}

TEST(FilesPosix, saveReplacesWholeAndKeepsPermissions) {
  TempFolder dir;
  dir.write("f.dat", "old old old\n");
  std::filesystem::permissions(dir.path() / "f.dat", std::filesystem::perms(0640));
  fw::saveLines(FilePath::chosen(dir.str() + "/f.dat"), fw::LineBuffer{"new"});
  EXPECT_EQ(dir.read("f.dat"), "new\r\n");
  EXPECT_EQ(modeOf(dir.path() / "f.dat"), 0640u);
  EXPECT_EQ(dir.listing(), "f.dat\n") << "no temporary file left behind";
}

TEST(FilesPosix, saveFollowsASymbolicLink) {
  TempFolder dir;
  dir.write("real.dat", "old\r\n");
  std::filesystem::create_symlink(dir.path() / "real.dat", dir.path() / "link.dat");
  fw::saveLines(FilePath::chosen(dir.str() + "/link.dat"), fw::LineBuffer{"new"});
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.dat"));
  EXPECT_EQ(dir.read("real.dat"), "new\r\n");
}

// A write cut short (here by the file size limit, as a full disk would) must leave the old file
// as it was and no temporary file behind.
TEST(FilesPosix, anInterruptedWriteLeavesTheOldFileIntact) {
  TempFolder dir;
  const std::string old = "line one\r\nline two\r\n";
  dir.write("data.dat", old);
  const std::string target = dir.str() + "/data.dat";
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::string line(1 << 16, 'x');
    const std::vector<std::string_view> lines(16, line);
    bool replaced = fw::platform::replaceFile(target, lines, "\r\n");
    _exit(replaced ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the cut-short write reported success";
  EXPECT_EQ(dir.read("data.dat"), old);
  EXPECT_EQ(dir.listing(), "data.dat\n");
}

TEST(FilesPosix, currentDirectoryIsKeptWholeWhateverItsLength) {
  TempFolder dir;
  std::filesystem::path deep = dir.path();
  for (int i = 0; i < 40; ++i)
    deep /= std::string(20, static_cast<char>('a' + i % 26));
  std::filesystem::create_directories(deep);
  auto previous = std::filesystem::current_path();
  std::filesystem::current_path(deep);
  std::string reported = fw::platform::currentDirectory();
  std::filesystem::current_path(previous);
  EXPECT_GT(reported.size(), 800u);
  EXPECT_EQ(reported, deep.string());
}

#else

TEST(FilesWindows, literalsKeepTheirBackslashes) {
  FilePath rel = FilePath::relative("common\\data\\handling.dat");
  EXPECT_EQ(rel.native, "common\\data\\handling.dat");
  EXPECT_EQ(FilePath::under("C:\\Games", "\\fleetwick.ini").native, "C:\\Games\\fleetwick.ini");
}

TEST(FilesWindows, currentDirectoryIsWhatWindowsReports) {
  TempFolder dir(true);
  EXPECT_EQ(std::filesystem::path(fw::platform::currentDirectory()), std::filesystem::current_path());
}

TEST(FilesWindows, doubledSlashesUnderTheStartDirectoryReachTheFile) {
  TempFolder dir(true);
  dir.write("common/data/handling.dat", "x\r\n");
  const std::string start = fw::platform::currentDirectory();
  EXPECT_EQ(fw::loadLines(FilePath::under(start, "//common//data//handling.dat")), fw::LineBuffer{"x"});
}

#endif
