// Files on disk: writes that never leave half a file, names in another letter case, and the game
// folder's lock.
#include "common/Files.h"
#include "TempFolder.h"
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
namespace fs = std::filesystem;

namespace {

WriteResult writeIn(const fw::test::TempFolder& t, const char* name, Existing existing) {
  const fw::LineBuffer lines{"new", "\xE0"};
  return fw::platform::writeFile((t.path() / name).string(), lines.views(), "\r\n", existing);
}

std::string errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const fw::Error& e) {
    return fw::cp1251::toUtf8(e.what());
  }
  return "";
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
  EXPECT_EQ(errorOf([&] { fw::saveLines(FilePath::under(t.str(), "//ro"), {}); }),
            "Cannot create file " + t.str() + "//ro");
  EXPECT_FALSE(fw::createLines(FilePath::under(t.str(), "//kept"), {"y"}));
  EXPECT_EQ(fw::platform::currentDirectory(), fs::current_path().string());
}

TEST(Files, lockIsExclusiveAndWaitsNoLongerThanAsked) {
  fw::test::TempFolder t;
  EXPECT_NO_THROW(fw::GameFolderLock(t.str(), std::chrono::milliseconds(0))) << "no backup folder: no lock";
  t.makeDir("backup");
  {
    fw::GameFolderLock held(t.str());
    EXPECT_EQ(errorOf([&] { fw::GameFolderLock(t.str(), std::chrono::milliseconds(50)); }),
              "Файлы игры сейчас меняет другая копия Fleetwick, ничего не изменено. Попробуйте ещё раз");
  }
  EXPECT_NO_THROW(fw::GameFolderLock(t.str(), std::chrono::milliseconds(0))) << "released with its holder";
}

#ifndef _WIN32
TEST(FilesPosix, aWriteCutShortLeavesTheOldFile) {
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
  EXPECT_EQ(t.snapshot(), (std::map<std::string, std::string>{{"f", "old\r\n"}}));
}

TEST(FilesPosix, namesResolveIgnoringLetterCaseUnlessSeveralMatch) {
  fw::test::TempFolder t;
  for (const char* name : {"Common/Data/Handling.DAT", "b/HBLIST.txt", "b/hblist.TXT", "exact/a", "exact/A"})
    t.write(name, "h\r\n");
  fs::create_symlink("Common", t.path() / "link");
  const std::pair<std::string, std::string> resolved[] = {
      {"common//data//handling.dat", "Common//Data//Handling.DAT"},
      {"COMMON/data/new.txt", "Common/Data/new.txt"},
      {"nowhere/Common", "nowhere/Common"},
      {"exact/A", "exact/A"},
      {"LINK/data", "link/Data"}};
  for (const auto& [asked, onDisk] : resolved) {
    EXPECT_EQ(fw::platform::resolveCase(t.str() + "/" + asked).path, t.str() + "/" + onDisk);
    EXPECT_TRUE(fw::platform::resolveCase(t.str() + "/" + asked).ambiguous.empty());
  }
  EXPECT_EQ(fw::loadLines(FilePath::under(t.str(), "//common//data//handling.dat")), fw::LineBuffer{"h"});
  const std::string error = errorOf([&] { fw::loadLines(FilePath::under(t.str(), "//b//hblist.txt")); });
  EXPECT_TRUE(
      error == "Cannot tell which file is meant by " + t.str() + "//b//hblist.txt: HBLIST.txt, hblist.TXT" ||
      error == "Cannot tell which file is meant by " + t.str() + "//b//hblist.txt: hblist.TXT, HBLIST.txt")
      << error;
}
#endif
