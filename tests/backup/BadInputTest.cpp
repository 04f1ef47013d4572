// Damaged and unusual game files: the program still starts, a lookup says plainly what it cannot
// find, and a write never loses or changes a line that it did not mean to replace.
#include "GameFixture.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using fw::FileKind;
using fw::LineBuffer;

namespace {

const std::string kNul(1, '\0');
const std::string kMegabyte(std::size_t{1} << 20, 'm');
const char* const kSettings = "C:\\Crateview\\crateview.exe\r\nC:\\Velmora\\velmora.exe\r\n";

// The lines of a file as the game's files end them: CR LF, a lone CR or a lone LF, where a final
// line end adds no empty line. Kept apart from the program's own reader, so that it can judge it.
std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(line);
  return lines;
}

std::string withCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines)
    out += line + "\r\n";
  return out;
}

std::string joined(const std::vector<std::string>& lines, const std::string& end, bool endLast = true) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i)
    out += lines[i] + (endLast || i + 1 < lines.size() ? end : "");
  return out;
}

std::string allByteValues(bool reversed = false) {
  std::string out;
  for (int b = 0; b < 256; ++b)
    out += static_cast<char>(reversed ? 255 - b : b);
  return out;
}

// Byte-for-byte equality that names the first difference instead of printing megabytes.
testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  const auto at = static_cast<std::size_t>(diff.first - actual.begin());
  auto excerpt = [at](const std::string& s) {
    std::string part = s.substr(at, 40);
    for (char& c : part)
      if (static_cast<unsigned char>(c) < 0x20) c = '.';
    return part;
  };
  return testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                     << " are expected; first difference at byte " << at << ": \""
                                     << excerpt(actual) << "\" instead of \"" << excerpt(expected) << "\"";
}

std::string dataPath(FileKind k) {
  switch (k) {
  case FileKind::Vehicles: return "common/data/vehicles.ide";
  case FileKind::Carcols: return "common/data/carcols.dat";
  case FileKind::Handling: break;
  }
  return "common/data/handling.dat";
}

std::string kindName(FileKind k) { return std::filesystem::path(dataPath(k)).filename().string(); }
// The start of the kind's backup names and the name of its backup folder.
std::string prefixOf(FileKind k) { return std::filesystem::path(dataPath(k)).stem().string(); }

// The lines of one data file that the damaged variants are made of; the looked-up vehicle is
// ADMIRAL, whose model name is admiral.
struct Pieces {
  std::string head, vehicle, other, marker, tail;
  std::string key;   // what a miss message names
  std::string typed; // the user's text for a write
  std::string written;
};

Pieces piecesOf(FileKind k) {
  switch (k) {
  case FileKind::Vehicles:
    return {"cars",    "admiral,\tadmiral,\tcar", "banshee, banshee, car",          "txdp", "end",
            "admiral", "car, ADMIRAL9",           "admiral, admiral, car, ADMIRAL9"};
  case FileKind::Carcols:
    return {"col", "admiral,\t1,1", "banshee, 2,2", "car4", "end", "admiral", "9,9", "admiral, 9,9"};
  case FileKind::Handling: break;
  }
  return {"; handling", "ADMIRAL 1.0 2.0", "BANSHEE 3.0", ";------- bikes",
          "BF400 1",    "ADMIRAL",         "9 9 9",       "ADMIRAL 9 9 9"};
}

enum class Outcome { Written, Missed, LookupFails };

struct DataCase {
  std::string name;
  FileKind kind;
  std::string bytes;       // the whole damaged file
  std::string vehicleLine; // Written: the vehicle's line, exactly as it must be backed up
  Outcome outcome;
  std::string error; // LookupFails: the lookup's error
};

void PrintTo(const DataCase& c, std::ostream* os) { *os << c.name; }

std::vector<DataCase> damagedDataFiles() {
  std::vector<DataCase> cases;
  for (FileKind k : fw::kFileKinds) {
    const Pieces p = piecesOf(k);
    const std::string kind = prefixOf(k) + "_";
    auto add = [&](const char* name, std::string bytes, std::string vehicleLine, Outcome outcome) {
      std::string marker = k == FileKind::Handling ? "Edit13" : k == FileKind::Vehicles ? "Edit11" : "Edit12";
      cases.push_back({kind + name, k, std::move(bytes), std::move(vehicleLine), outcome,
                       "'" + marker + "' is not a valid integer value"});
    };
    const std::vector<std::string> plain = {p.head, p.vehicle, p.other, p.marker, p.tail};

    const std::string withNul = p.vehicle + kNul + " 0";
    add("nulBytes",
        p.head + kNul + "\r\n" + kNul + kNul + "\r\n" + withNul + "\r\n" + p.other + kNul + "\r\n" +
            p.marker + "\r\n" + kNul + p.tail + "\r\n",
        withNul, Outcome::Written);
    const std::string longVehicle = p.vehicle + " " + kMegabyte;
    add("megabyteLines",
        std::string(std::size_t{1} << 20, '#') + "\r\n" +
            joined({p.head, longVehicle, p.other, p.marker}, "\r\n") + kMegabyte,
        longVehicle, Outcome::Written);
    add("crOnly", joined(plain, "\r"), p.vehicle, Outcome::Written);
    add("lfOnly", joined(plain, "\n"), p.vehicle, Outcome::Written);
    add("mixedLineEnds", p.head + "\n\r" + p.vehicle + "\r\n" + p.other + "\r" + p.marker + "\n" + p.tail,
        p.vehicle, Outcome::Written);
    add("noFinalLineEnd", joined(plain, "\r\n", false), p.vehicle, Outcome::Written);
    const std::string highBytes = p.vehicle + " \x80\xC0\xFF";
    add("allByteValues",
        allByteValues() + "\r\n" + joined({p.head, highBytes, p.other, p.marker}, "\r\n") +
            allByteValues(true),
        highBytes, Outcome::Written);

    add("garbageWithoutTheVehicle",
        allByteValues() + "\r\n" + joined({p.head, p.other, p.marker, p.tail}, "\r\n"), "", Outcome::Missed);
    add("vehicleOnlyAfterTheMarker", joined({p.head, p.other, p.marker, p.vehicle}, "\r\n"), "",
        Outcome::Missed);
    add("nameOnlyInsideOtherLines",
        joined({p.head, "x" + p.vehicle, "; " + p.vehicle, p.other, p.marker}, "\r\n"), "", Outcome::Missed);

    add("empty", "", "", Outcome::LookupFails);
    add("withoutMarker", joined({p.head, p.vehicle, p.other, p.tail}, "\r\n"), "", Outcome::LookupFails);
    add("onlyLineEnds", "\r\n\r\n\n\r", "", Outcome::LookupFails);
  }
  return cases;
}

class BadInput : public fw::test::GameFixture {
protected:
  // Every file the program may touch, with its bytes.
  std::map<std::string, std::string> snapshot() {
    std::map<std::string, std::string> files;
    for (auto& entry : std::filesystem::recursive_directory_iterator(game.path()))
      if (entry.is_regular_file()) {
        const std::string relative = std::filesystem::relative(entry.path(), game.path()).generic_string();
        files[relative] = game.read(relative);
      }
    return files;
  }

  // Nothing was written: no file new, none changed.
  void expectUntouched(const std::map<std::string, std::string>& before) {
    const auto after = snapshot();
    EXPECT_EQ(after.size(), before.size()) << game.listing();
    for (const auto& [path, bytes] : before) {
      auto found = after.find(path);
      ASSERT_NE(found, after.end()) << path;
      EXPECT_TRUE(sameBytes(found->second, bytes)) << path;
    }
  }
};

class DamagedDataFile : public BadInput, public testing::WithParamInterface<DataCase> {};

TEST_P(DamagedDataFile, startsAndWritesOnlyTheVehicleLine) {
  const DataCase& c = GetParam();
  const Pieces p = piecesOf(c.kind);
  const std::string path = dataPath(c.kind);
  game.write(path, c.bytes);
  game.write("fleetwick.ini", kSettings);
  const auto before = snapshot();

  ASSERT_NO_THROW(start());
  EXPECT_EQ(s.Edit14, "C:\\Crateview\\crateview.exe");
  const std::string lookupError = errorOf([&] { lookUp("ADMIRAL"); });
  const LineBuffer logAfterLookup = s.Memo4;
  const std::string refusedWrite = errorOf([&] { write(c.kind, p.typed); });

  switch (c.outcome) {
  case Outcome::LookupFails:
    EXPECT_EQ(lookupError, c.error);
    EXPECT_EQ(errorOf([&] { lookUp("ADMIRAL"); }), c.error) << "nothing has set the marker field since";
    EXPECT_NE(refusedWrite, "no error");
    expectUntouched(before);
    return;
  case Outcome::Missed:
    EXPECT_EQ(lookupError, "no error");
    EXPECT_EQ(fw::cp1251::toUtf8(logAfterLookup.lines().back()),
              "В " + kindName(c.kind) + " не найдена строка " + p.key + "...");
    EXPECT_FALSE(fw::fieldsOf(s, c.kind).writeButton.Enabled);
    EXPECT_NE(refusedWrite, "no error");
    expectUntouched(before);
    return;
  case Outcome::Written: break;
  }

  ASSERT_EQ(lookupError, "no error");
  EXPECT_EQ(logAfterLookup, LineBuffer{""}) << "a found line logs no miss";
  ASSERT_EQ(refusedWrite, "no error");

  std::vector<std::string> lines = linesOf(c.bytes);
  ASSERT_EQ(std::count(lines.begin(), lines.end(), c.vehicleLine), 1) << "the case names one vehicle line";
  const std::string original = withCrLf(lines);
  *std::find(lines.begin(), lines.end(), c.vehicleLine) = p.written;
  EXPECT_TRUE(sameBytes(game.read(path), withCrLf(lines))) << "every other line as it was, with CR LF";
  const std::string backup = "backup/" + prefixOf(c.kind) + "/" + prefixOf(c.kind) + "_ADMIRAL_1.hb";
  EXPECT_TRUE(sameBytes(game.read(backup), c.vehicleLine + "\r\n")) << "the whole old line, nothing cut";
  for (const auto& [file, bytes] : before) {
    if (file == path) continue;
    EXPECT_TRUE(sameBytes(game.read(file), bytes)) << file << " was not meant to change";
  }

  // The backup puts the old file back, line for line.
  fw::fieldsOf(s, c.kind).names.Text = fw::fieldsOf(s, c.kind).names.Items.front();
  ASSERT_EQ(errorOf([&] { fw::restoreBackup(s, c.kind, services); }), "no error");
  EXPECT_TRUE(sameBytes(game.read(path), original));
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedDataFile, testing::ValuesIn(damagedDataFiles()),
                         [](const testing::TestParamInfo<DataCase>& info) { return info.param.name; });

// List files as a user or another tool may leave them. Every line counts as an entry, so the
// numbers never meet an older backup's, and the lists are written back whole below the new entry.
struct ListCase {
  const char* name;
  std::string bytes;
};

TEST_F(BadInput, listFilesNumberEveryLineAndKeepThemAll) {
  const std::vector<ListCase> cases = {
      {"blank lines", "\r\n\r\n\r\n"},
      {"junk", "handling_X_1.hb\r\n\r\n   \r\n\x01\x02junk\xFF\r\n../../etc/passwd\r\n" + kNul + "\r\n"},
      {"lone carriage returns", "a.hb\rb.hb\r\rc.hb"},
      {"no final line end", "a.hb\r\nb.hb"},
      {"a megabyte line", kMegabyte + "\r\nx.hb\r\n"},
      {"empty", ""},
  };
  const char* const lists[][2] = {{"backup/hblistb.txt", "backup/hblist.txt"},
                                  {"backup/vblistb.txt", "backup/vblist.txt"},
                                  {"backup/cblistb.txt", "backup/cblist.txt"}};
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    fw::test::TempFolder folder(true);
    fw::test::makeGameFolder(folder, fw::test::kHandling, fw::test::kVehicles, fw::test::kCarcols);
    folder.write("fleetwick.ini", kSettings);
    for (auto& pair : lists) {
      folder.write(pair[0], c.bytes);
      folder.write(pair[1], c.bytes);
    }
    const std::vector<std::string> entries = linesOf(c.bytes);
    s = fw::MainState();
    ASSERT_NO_THROW(start());
    EXPECT_EQ(s.ComboBox5.Items, entries);
    EXPECT_EQ(s.Memo8, LineBuffer(entries));
    lookUp("ADMIRAL");
    for (FileKind k : fw::kFileKinds) {
      const Pieces p = piecesOf(k);
      ASSERT_EQ(errorOf([&] { write(k, p.typed); }), "no error") << kindName(k);
      const std::string prefix = prefixOf(k);
      const std::string name = prefix + "_ADMIRAL_" + std::to_string(entries.size() + 1) + ".hb";
      EXPECT_TRUE(folder.has("backup/" + prefix + "/" + name)) << folder.listing();
      const auto& pair = lists[fw::indexOf(k)];
      EXPECT_TRUE(sameBytes(folder.read(pair[0]), name + "\r\n" + withCrLf(entries))) << pair[0];
      EXPECT_TRUE(sameBytes(folder.read(pair[1]), name + "          " + stamp + "\r\n" + withCrLf(entries)))
          << pair[1];
    }
    EXPECT_EQ(folder.read("fleetwick.ini"), kSettings);
  }
}

// Junk in a name list is offered on the restore page; choosing it must change nothing.
TEST_F(BadInput, restoringAJunkListEntryChangesNothing) {
  game.write("backup/hblistb.txt",
             "\r\n../../common/data/vehicles.ide\r\n..\\x.hb\r\na/b.hb\r\n\x01.hb\r\n.\r\n"
             "handling_NOSUCH_1.hb\r\n");
  start();
  lookUp("ADMIRAL");
  const auto before = snapshot();
  ASSERT_EQ(s.ComboBox5.Items.size(), 7u);
  for (const std::string& entry : s.ComboBox5.Items) {
    SCOPED_TRACE(entry);
    s.ComboBox5.Text = entry;
    const std::string error = errorOf([&] { fw::restoreBackup(s, FileKind::Handling, services); });
    EXPECT_NE(error, "no error");
    if (entry.empty() || entry == "handling_NOSUCH_1.hb") {
      EXPECT_EQ(error, "Cannot open file backup//handling//" + entry);
    }
  }
  expectUntouched(before);
  EXPECT_EQ(s.Memo4, LineBuffer{""});
}

// Only the settings file's first two lines are program paths; the rest is never read or written.
TEST_F(BadInput, settingsFileUsesItsFirstTwoLinesAndStaysAsItWas) {
  std::string manyLines;
  for (int i = 0; i < 5000; ++i)
    manyLines += "C:\\program" + std::to_string(i) + ".exe\r\n";
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"many lines", manyLines},
      {"lone carriage returns", "first\rsecond\rthird"},
      {"line feeds", "first\nsecond\n"},
      {"NUL bytes", "fi" + kNul + "rst\r\n" + kNul + "\r\nthird" + kNul},
      {"blank first line", "\r\nsecond\r\nthird\r\n"},
      {"one line without end", "only"},
      {"a megabyte line", kMegabyte + "\r\n" + kMegabyte},
      {"all byte values", allByteValues()},
      {"empty", ""},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    fw::test::TempFolder folder(true);
    fw::test::makeGameFolder(folder, fw::test::kHandling, fw::test::kVehicles, fw::test::kCarcols);
    folder.write("fleetwick.ini", bytes);
    s = fw::MainState();
    ASSERT_NO_THROW(start());
    const std::vector<std::string> lines = linesOf(bytes);
    EXPECT_TRUE(sameBytes(s.Edit14, lines.size() > 0 ? lines[0] : ""));
    EXPECT_TRUE(sameBytes(s.Edit15, lines.size() > 1 ? lines[1] : ""));
    lookUp("ADMIRAL");
    ASSERT_EQ(errorOf([&] { write(FileKind::Handling, "1"); }), "no error");
    EXPECT_TRUE(sameBytes(folder.read("fleetwick.ini"), bytes));
    EXPECT_TRUE(sameBytes(folder.read("common/data/vehicles.ide"), fw::test::kVehicles));
  }
}

} // namespace
