// A mod's read-me read for BANSHEE as players save and write them: each encoding and placement, a
// pack, a mod for another slot, broken and missing lines, bad input. What an install writes is
// byte for byte what the rows' OKs write for the values a player would type.
#include "Game.h"
#include "ModReadMe.h"
#include "backup/ModInstall.h"
#include "common/FileKinds.h"
#include "common/TextDecoding.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

namespace {

const std::string kReadMe =
    "Banshee GT 1.3\n1. Замените модели через Crateview.\n" + mod("BANSHEE", "banshee");

enum class As { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1251 };

std::string saved(std::string utf8, As as = As::Utf8, const std::string& lineEnd = "\r\n") {
  for (std::size_t at = 0; (at = utf8.find('\n', at)) != utf8.npos; at += lineEnd.size())
    utf8.replace(at, 1, lineEnd);
  if (as == As::Utf8 || as == As::Utf8Bom) return (as == As::Utf8Bom ? "\xEF\xBB\xBF" : "") + utf8;
  const std::string bytes = cp1251::fromUtf8(utf8);
  if (as == As::Windows1251) return bytes;
  std::string out = as == As::Utf16Le ? "\xFF\xFE" : "\xFE\xFF";
  for (char16_t c : cp1251::decode(bytes))
    for (int half : as == As::Utf16Le ? std::array{0, 8} : std::array{8, 0})
      out.push_back(static_cast<char>(c >> half));
  return out;
}

// What a player types into the three rows: handling values, and a vehicles.ide line naming `id`.
std::array<std::string, 3> typed(const std::string& handling, const std::string& id,
                                 const std::string& type = "car") {
  return {handling, type + ", BANSHEE, " + id + kColumns, "1,1, 2,2"};
}

// What an install of the text made: the lines taken, the notes, the files written (forced).
struct Outcome {
  Reason refused = Reason::Unspecified;
  std::array<std::int64_t, 3> lines{}; // the line of the text taken for each file; 0: none
  bool errors = false;                 // the game cannot load them: written only when forced
  std::string replaced = "";           // the mod's handling identifier that the label took
  std::string foreign = "";            // a vehicles.ide type of another category
};

Outcome install(Game& game, const std::string& file, const char* take) {
  Outcome out;
  try {
    form::ModReading r =
        form::readMod(game.s, text::decode(text::readFile(FilePath::chosenByUser(file))).text);
    for (FileKind k : kFileKinds) {
      form::ModFile& f = r[indexOf(k)];
      if (take) f.taken = form::linesNamed(r, take)[indexOf(k)];
      out.lines[indexOf(k)] = f.taken ? f.lines[*f.taken].line : 0;
    }
    const form::ModValues v = form::valuesOf(game.s, r);
    out.replaced = v.handlingReplaced, out.foreign = v.foreignType;
    auto plans = planInstall(game.s, r, v);
    out.errors = holdsErrors(plans);
    writeAll(game.s, std::move(plans), true, game.services);
  } catch (const Error& e) {
    out.refused = e.reason();
  }
  return out;
}

} // namespace

TEST(ModText, readsEachReadMeAsPlayersSaveItAndWritesWhatTheRowsOksWrite) {
  const std::string h = kHandling, shortH = h.substr(0, h.rfind(' ')), wordH = "heavy" + h.substr(6);
  const std::string pack =
      "Пак\n" + mod("ADMIRAL2", "admiral2") + mod("BANSHEE2", "banshee2") + mod("BIFF2", "biff2");
  const struct {
    const char* name;
    std::string bytes;
    std::array<std::string, 3> typed; // what a player types into the rows for the same files; "": nothing
    Outcome expected;
    const char* take = nullptr;      // the vehicle of a pack picked
    const char* file = "readme.txt"; // where the read-me is read from
  } cases[] = {
      {"UTF-8", saved(kReadMe, As::Utf8, "\n"), typed(h, "BANSHEE"), {{}, {4, 5, 6}}},
      {"UTF-8 with its mark", saved(kReadMe, As::Utf8Bom), typed(h, "BANSHEE"), {{}, {4, 5, 6}}},
      {"UTF-16 LE", saved(kReadMe, As::Utf16Le), typed(h, "BANSHEE"), {{}, {4, 5, 6}}},
      {"UTF-16 BE, CR line ends", saved(kReadMe, As::Utf16Be, "\r"), typed(h, "BANSHEE"), {{}, {4, 5, 6}}},
      {"Windows-1251", saved(kReadMe, As::Windows1251), typed(h, "BANSHEE"), {{}, {4, 5, 6}}},
      {"a pack, no choice made", saved(pack), {}, {}},
      {"a pack, one taken",
       saved(pack),
       typed(h, "BANSHEE2"),
       {{}, {7, 8, 9}, false, "BANSHEE2"},
       "banshee2"},
      {"another slot's, a boat's",
       saved(mod("SQ2", "sq2", "boat")),
       typed(h, "SQ2", "boat"),
       {{}, {2, 3, 4}, false, "SQ2", "boat"}},
      {"a value short",
       saved(mod("BANSHEE", "banshee", "car", shortH)),
       typed(shortH, "BANSHEE"),
       {{}, {2, 3, 4}, true}},
      {"a word for a number",
       saved(mod("BANSHEE", "banshee", "car", wordH)),
       typed(wordH, "BANSHEE"),
       {{}, {2, 3, 4}, true}},
      {"a handling line only", saved("BANSHEE " + h), {h, "", ""}, {{}, {1, 0, 0}}},
      {"another slot's on a stock handling line",
       saved("BANSHEE2 " + h + "\nbanshee2, banshee2, car, INFERNUS, X" + kColumns),
       {h, "car, INFERNUS, X" + kColumns, ""},
       {{}, {1, 2, 0}}},
      {"a character Windows-1251 lacks", "BANSHEE " + h + " \u2713", {}, {Reason::NotInCodePage, {1, 0, 0}}},
      {"one of the first three-byte ones",
       "BANSHEE " + h + " \u0900",
       {},
       {Reason::NotInCodePage, {1, 0, 0}}},
      {"one after the surrogates",
       saved("BANSHEE " + h + " ", As::Utf16Le) + std::string("\0\xE0", 2),
       {},
       {Reason::NotInCodePage, {1, 0, 0}}}, // U+E000
      {"no line", saved("Banshee GT 1.3, 4 МБ\n1. Замените модели.\n"), {}, {Reason::NoModLines}},
      {"a picture", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), {}, {Reason::NotText}},
      {"a surrogate alone", std::string("\xFF\xFE\x00\xD8", 4), {}, {Reason::NotText}},
      {"only blanks", "\xEF\xBB\xBF \r\n", {}, {Reason::EmptyText}},
      {"past the limit", std::string(text::kLargest + 1, 'a'), {}, {Reason::TextTooLarge}},
      {"a folder", "", {}, {Reason::NotAFile}, nullptr, ""},
      {"no file", "", {}, {Reason::CannotOpen}, nullptr, "none.txt"},
  };
  TempFolder texts;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Game byRows(FLEETWICK_SOURCE_DIR "/data");
    byRows.start(), byRows.lookUp("BANSHEE");
    for (FileKind k : kFileKinds)
      EXPECT_EQ(c.typed[indexOf(k)].empty() ? "" : byRows.write(k, cp1251::fromUtf8(c.typed[indexOf(k)])),
                "");
    Game byInstall(FLEETWICK_SOURCE_DIR "/data"); // the current folder from here on
    byInstall.start(), byInstall.lookUp("BANSHEE");
    texts.write("readme.txt", c.bytes);
    const Outcome o = install(byInstall, texts.at(c.file), c.take);
    EXPECT_EQ(o.refused, c.expected.refused);
    EXPECT_EQ(o.lines, c.expected.lines);
    EXPECT_EQ(o.errors, c.expected.errors);
    EXPECT_EQ(o.replaced, c.expected.replaced);
    EXPECT_EQ(o.foreign, c.expected.foreign);
    EXPECT_EQ(byInstall.files(), byRows.files());
  }
}
