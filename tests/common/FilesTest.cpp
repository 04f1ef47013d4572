// Files on disk: writes that never leave half a file or a temporary one, names in another letter
// case, the game folder's lock, and files that other programs hold open.
#include "common/Files.h"
#include "Game.h"
#include "common/Cp1251.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <dlfcn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using fw::FilePath;
using fw::platform::Existing;
using fw::platform::WriteResult;
using fw::test::Game;
namespace fs = std::filesystem;

namespace {

WriteResult writeIn(const fw::test::TempFolder& t, const char* name, Existing existing,
                    const fw::LineBuffer& lines = {"new", "\xE0"}) {
  return fw::platform::writeFile(t.at(name), lines.views(), "\r\n", existing);
}

const std::string busy =
    "Файлы игры сейчас меняет другая копия Fleetwick, ничего не изменено. Попробуйте ещё раз";

std::string lockRefused(const fw::test::TempFolder& t) {
  return "Не удаётся занять файл блокировки " + t.str() + "//backup//fleetwick.lock, ничего не изменено";
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
  // Windows without the long-path setting: the target's path is under 260 characters, its temporary's over.
  const fw::test::TempFolder shorter(false, u8"Игра", 220);
  shorter.makeDir("common/data");
  EXPECT_EQ(
      Game::run([&] { fw::saveLines(FilePath::under(shorter.str(), "//common//data//handling.dat"), {}); }),
      "");
  const std::string longer(1 << 20 | 5, '\xE0'); // than the chunks the writer gathers lines in
  EXPECT_EQ(writeIn(t, "long", Existing::Keep, {"a", longer, "b"}), WriteResult::Written);
  const std::map<std::string, std::string> expected = {{"kept", "x\r\n"},
                                                       {"long", "a\r\n" + longer + "\r\nb\r\n"},
                                                       {"new", "new\r\n\xE0\r\n"},
                                                       {"old", "new\r\n\xE0\r\n"},
                                                       {"ro", "x\r\n"}};
  EXPECT_EQ(t.snapshot(), expected) << "no temporary file is left behind";
  EXPECT_FALSE(fw::platform::readFile(t.at("none")));
  EXPECT_FALSE(fw::platform::readFile(t.at("dir"))) << "a folder is no file";
  EXPECT_EQ(Game::run([&] { fw::saveLines(FilePath::under(t.str(), "//ro"), {}); }),
            "Cannot create file " + t.str() + "//ro");
}

TEST(Files, lockIsExclusiveWaitsAsLongAsAskedAndIsNeverSkipped) {
  fw::test::TempFolder t;
  const auto lock = [&](int ms) {
    return Game::run([&] { fw::GameFolderLock(t.str(), std::chrono::milliseconds(ms)); });
  };
  EXPECT_EQ(lock(0), "") << "no backup folder: nothing can be written there";
  t.makeDir("backup/fleetwick.lock");
  EXPECT_EQ(lock(0), lockRefused(t));
  fs::remove(t.path("backup/fleetwick.lock"));
  {
    fw::GameFolderLock held(t.str());
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(lock(300), busy);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, std::chrono::milliseconds(300));
    EXPECT_LT(waited, std::chrono::milliseconds(1300));
  }
  EXPECT_EQ(lock(0), "") << "released with its holder";
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
  EXPECT_EQ(fs::status(t.path("b")).permissions(), fs::perms(0640)) << "new files as the umask says";
  EXPECT_EQ(fw::platform::resolveCase(t.at("B")).path, t.at("b")); // reads its folder to find it
  EXPECT_EQ(t.snapshot().size(), 3u);
  EXPECT_EQ(descriptors(), open);
  EXPECT_EQ(fw::LineBuffer::fromBytes(*fw::platform::readFile("/proc/self/cmdline")).at(0),
            fw::test::readBytes("/proc/self/cmdline"))
      << "a file whose size is not known beforehand is read whole";
}

// A mod manager links the game's files to its own copies: the write lands on the copy, the link stays.
TEST(FilesPosix, aWriteThroughASymbolicLinkChangesItsTargetAndKeepsTheLink) {
  fw::test::TempFolder t;
  t.write("mods/handling.dat", "old\r\n");
  fs::create_symlink("mods/handling.dat", t.path("handling.dat"));
  EXPECT_EQ(writeIn(t, "handling.dat", Existing::Replace), WriteResult::Written);
  EXPECT_TRUE(fs::is_symlink(t.path("handling.dat")));
  EXPECT_EQ(t.read("mods/handling.dat"), "new\r\n\xE0\r\n");
}

// A child that runs `body` and exits with its answer, and never outlives the test: it dies with the
// test that forked it (a failed assertion, ctest's timeout) and by its own alarm after 20 seconds.
pid_t forkChild(const std::function<int()>& body) {
  const pid_t parent = getpid(), child = fork();
  if (child != 0) return child;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(126); // the test ended before the line above
  alarm(20);
  _exit(body());
}

// As made by an earlier run as root: another user may read the lock file but not write it.
TEST(FilesPosix, aLockFileThatOnlyItsMakerMayWriteStillKeepsOthersOut) {
  fw::test::TempFolder t;
  t.makeDir("backup");
  const mode_t mask = umask(022);
  fw::GameFolderLock held(t.str());
  umask(mask);
  EXPECT_EQ(fs::status(t.path("backup/fleetwick.lock")).permissions(), fs::perms(0644)) << "the umask's";
  if (geteuid() != 0) t.makeReadOnly("backup/fleetwick.lock");
  const pid_t other = forkChild([&] {
    return (geteuid() != 0 || setuid(65534) == 0) &&
           Game::run([&] { fw::GameFolderLock(t.str(), std::chrono::milliseconds(0)); }) == busy;
  });
  int status = -1;
  waitpid(other, &status, 0);
  EXPECT_EQ(status, 1 << 8) << "the lock was waited for, not skipped";
}

// What a file system, a sweep or a stop does at a flock() of the platform layer, whose code links into
// this program: the next call runs the test's hook instead.
std::function<int(int, int)> nextFlock;

int realFlock(int fd, int operation) {
  static const auto real = reinterpret_cast<int (*)(int, int)>(dlsym(RTLD_NEXT, "flock"));
  return real(fd, operation);
}

extern "C" int flock(int fd, int operation) {
  if (auto hook = std::exchange(nextFlock, nullptr)) return hook(fd, operation);
  return realFlock(fd, operation);
}

TEST(FilesPosix, aSweepOrARefusedLockMidWayNeverCostsAWriteOrAWait) {
  fw::test::TempFolder t;
  t.write("f", "old\r\n");
  // Between the temporary's creation and its lock a sweep takes it for a killed writer's.
  nextFlock = [&](int fd, int operation) {
    fw::platform::removeStaleTemporaries(t.str());
    return realFlock(fd, operation);
  };
  EXPECT_EQ(writeIn(t, "f", Existing::Replace), WriteResult::Written);
  EXPECT_EQ(t.snapshot(), (std::map<std::string, std::string>{{"f", "new\r\n\xE0\r\n"}}));
  // A file system that refuses the lock (ENOLCK, EBADF) is no other copy holding it.
  t.makeDir("backup");
  std::function<int(int, int)> refuse = [&](int, int) { return nextFlock = refuse, errno = ENOLCK, -1; };
  nextFlock = refuse;
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Game::run([&] { fw::GameFolderLock(t.str()); }), lockRefused(t));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
  nextFlock = nullptr;
}

TEST(FilesPosix, aWriteEndedBySignalLeavesNeitherHalfAFileNorATemporaryOne) {
  fw::test::TempFolder t;
  t.write("f", "old\r\n");
  for (int signal : {SIGINT, SIGTERM}) {
    const pid_t writer = forkChild([&] {
      nextFlock = [](int fd, int operation) { return realFlock(fd, operation), raise(SIGSTOP), 0; };
      return static_cast<int>(writeIn(t, "f", Existing::Replace));
    });
    int status = 0;
    waitpid(writer, &status, WUNTRACED);
    EXPECT_TRUE(WIFSTOPPED(status)) << "with its temporary file made and locked";
    fw::platform::removeStaleTemporaries(t.str());
    EXPECT_EQ(t.snapshot().size(), 2u) << "a live writer's temporary file is not taken for a killed one's";
    kill(writer, signal);
    kill(writer, SIGCONT);
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_EQ(t.snapshot(), (std::map<std::string, std::string>{{"f", "old\r\n"}})) << signal;
  }
}

TEST(FilesPosix, namesResolveIgnoringLetterCaseUnlessSeveralMatch) {
  fw::test::TempFolder t;
  for (const char* name :
       {"Common/Data/Handling.DAT", "b/HBLIST.txt", "b/hblist.TXT", "exact/a", "exact/A", "Zone"})
    t.write(name, "h\r\n");
  fs::create_symlink("Common", t.path("link"));
  const std::pair<std::string, std::string> resolved[] = {
      {"COMMON/data/new.txt", "Common/Data/new.txt"},
      {"nowhere/Common", "nowhere/Common"},
      {"exact/A", "exact/A"},
      {"LINK/data", "link/Data"},
      {"COMMON/DATA/HANDLING", "Common/Data/HANDLING"},
      {"COMMON/data/handling.dat.bak", "Common/Data/handling.dat.bak"},
      {"zONE", "Zone"}};
  for (const auto& [asked, onDisk] : resolved)
    EXPECT_EQ(fw::platform::resolveCase(t.str() + "/" + asked).path, t.str() + "/" + onDisk);
  const std::string error = Game::run([&] { fw::loadLines(FilePath::under(t.str(), "//b//hblist.txt")); });
  EXPECT_TRUE(error.starts_with("Cannot tell which file is meant by " + t.str() + "//b//hblist.txt: ") &&
              error.find("HBLIST.txt") != error.npos && error.find("hblist.TXT") != error.npos)
      << error;
}
#endif

#ifdef _WIN32
// The precheck of a write of several files tries what the write will need, and leaves nothing. Under
// Wine a folder whose rights refuse new files is Linux's /sys, which refuses them even to root.
TEST(FilesWindows, thePrecheckTriesWhatTheWriteWillNeed) {
  fw::test::TempFolder t;
  t.write("old", "x");
  EXPECT_TRUE(fw::platform::replaceable(t.at("old")) && fw::platform::replaceable(t.at("new")));
  EXPECT_TRUE(fw::platform::writableFolder(t.str()));
  EXPECT_EQ(t.snapshot().size(), 1u) << "no probe is left";
  if (fs::is_directory("Z:\\sys")) {
    EXPECT_FALSE(fw::platform::writableFolder("Z:\\sys"));
    EXPECT_FALSE(fw::platform::replaceable("Z:\\sys\\new"));
  }
}

// A virus scanner or an editor with the data file open, without delete sharing: the write waits for
// it a while, then fails as for a file that cannot be written; other copies' sweeps meanwhile never
// take its temporary file.
TEST(FilesWindows, aWriteWaitsAWhileForAFileAnotherProgramHoldsOpen) {
  for (int seconds : {3, 7}) {
    Game g(fw::test::testData("small"));
    g.start(), g.lookUp("ADMIRAL");
    const std::string before = g.folder.read("common/data/handling.dat");
    HANDLE h = CreateFileW(g.folder.path("common/data/handling.dat").c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::thread release([&] {
      for (int i = 0; i < seconds * 20; ++i, Sleep(50))
        fw::removeStaleTemporaries(g.folder.str());
      CloseHandle(h);
    });
    const std::string error = g.write(fw::FileKind::Handling, "9");
    release.join();
    EXPECT_EQ(error,
              seconds < 5 ? "" : "Cannot create file " + g.folder.str() + "//common//data//handling.dat");
    EXPECT_EQ(g.folder.read("common/data/handling.dat") == before, seconds > 5) << seconds;
  }
}
#endif
