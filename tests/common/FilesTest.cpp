// Files on disk: writes that never leave half a file, names in another letter case, and the game
// folder's lock.
#include "common/Files.h"
#include "Game.h"
#include "common/Cp1251.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

using fw::FilePath;
using fw::platform::Existing;
using fw::platform::WriteResult;
using fw::test::Game;
namespace fs = std::filesystem;

namespace {

WriteResult writeIn(const fw::test::TempFolder& t, const char* name, Existing existing) {
  const fw::LineBuffer lines{"new", "\xE0"};
  return fw::platform::writeFile((t.path() / name).string(), lines.views(), "\r\n", existing);
}

} // namespace

TEST(Files, writesWholeFilesOnlyWhereAllowed) {
  fw::test::TempFolder t;
  for (const char* name : {"old", "kept", "ro"})
    t.write(name, "x\r\n");
  t.makeReadOnly("ro");
  t.makeDir("dir");
  const std::tuple<const char*, Existing, WriteResult> cases[] = {
      {"old", Existing::Replace, WriteResult::Written}, {"new", Existing::Keep, WriteResult::Written},
      {"kept", Existing::Keep, WriteResult::Exists},    {"ro", Existing::Replace, WriteResult::Failed},
      {"dir", Existing::Replace, WriteResult::Failed},  {"no/x", Existing::Replace, WriteResult::Failed}};
  for (auto [name, existing, result] : cases)
    EXPECT_EQ(writeIn(t, name, existing), result) << name;
  const std::map<std::string, std::string> expected = {
      {"kept", "x\r\n"}, {"new", "new\r\n\xE0\r\n"}, {"old", "new\r\n\xE0\r\n"}, {"ro", "x\r\n"}};
  EXPECT_EQ(t.snapshot(), expected) << "no temporary file is left behind";
  EXPECT_FALSE(fw::platform::readFile((t.path() / "none").string()));
  EXPECT_FALSE(fw::platform::fileExists((t.path() / "dir").string()));
  EXPECT_EQ(Game::run([&] { fw::saveLines(FilePath::under(t.str(), "//ro"), {}); }),
            "Cannot create file " + t.str() + "//ro");
}

TEST(Files, lockIsExclusiveAndWaitsNoLongerThanAsked) {
  fw::test::TempFolder t;
  EXPECT_NO_THROW(fw::GameFolderLock(t.str(), std::chrono::milliseconds(0))) << "no backup folder: no lock";
  t.makeDir("backup");
  {
    fw::GameFolderLock held(t.str());
    EXPECT_EQ(Game::run([&] { fw::GameFolderLock(t.str(), std::chrono::milliseconds(50)); }),
              "Файлы игры сейчас меняет другая копия Fleetwick, ничего не изменено. Попробуйте ещё раз");
  }
  EXPECT_NO_THROW(fw::GameFolderLock(t.str(), std::chrono::milliseconds(0))) << "released with its holder";
}

#ifndef _WIN32
TEST(FilesPosix, aWriteCutShortLeavesTheOldFileAndNoDescriptorOpen) {
  const auto descriptors = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
  const auto open = descriptors();
  fw::test::TempFolder t;
  t.write("f", "old\r\n");
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit before{}, small{};
  getrlimit(RLIMIT_FSIZE, &before);
  small = {4, before.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const WriteResult result = writeIn(t, "f", Existing::Replace);
  setrlimit(RLIMIT_FSIZE, &before);
  EXPECT_EQ(result, WriteResult::Failed);
  EXPECT_EQ(fw::loadLines(FilePath::under(t.str(), "//f")), fw::LineBuffer{"old"}) << "the old file stays";
  const mode_t mask = umask(027);
  writeIn(t, "a", Existing::Keep), writeIn(t, "b", Existing::Keep);
  umask(mask);
  EXPECT_EQ(fs::status(t.path() / "b").permissions(), fs::perms(0640)) << "new files as the umask says";
  EXPECT_EQ(t.snapshot().size(), 3u);
  EXPECT_EQ(descriptors(), open);
  EXPECT_EQ(fw::LineBuffer::fromBytes(*fw::platform::readFile("/proc/self/cmdline")).at(0),
            fw::test::readBytes("/proc/self/cmdline"))
      << "a file whose size is not known beforehand is read whole";
}

TEST(FilesPosix, namesResolveIgnoringLetterCaseUnlessSeveralMatch) {
  fw::test::TempFolder t;
  for (const char* name : {"Common/Data/Handling.DAT", "b/HBLIST.txt", "b/hblist.TXT", "exact/a", "exact/A"})
    t.write(name, "h\r\n");
  fs::create_symlink("Common", t.path() / "link");
  const std::pair<std::string, std::string> resolved[] = {
      {"COMMON/data/new.txt", "Common/Data/new.txt"},
      {"nowhere/Common", "nowhere/Common"},
      {"exact/A", "exact/A"},
      {"LINK/data", "link/Data"},
      {"COMMON/DATA/HANDLING", "Common/Data/HANDLING"},
      {"COMMON/data/handling.dat.bak", "Common/Data/handling.dat.bak"}};
  for (const auto& [asked, onDisk] : resolved)
    EXPECT_EQ(fw::platform::resolveCase(t.str() + "/" + asked).path, t.str() + "/" + onDisk);
  const std::string error = Game::run([&] { fw::loadLines(FilePath::under(t.str(), "//b//hblist.txt")); });
  EXPECT_TRUE(error.starts_with("Cannot tell which file is meant by " + t.str() + "//b//hblist.txt: ") &&
              error.find("HBLIST.txt") != error.npos && error.find("hblist.TXT") != error.npos)
      << error;
}
#endif
