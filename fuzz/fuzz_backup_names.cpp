// Backup names are made from the vehicle label and later read back from the restore list, which
// the user can edit. A label or name the checks let through must stay one plain file name inside
// its backup folder; a name list of any content numbers the next backup by its line count.
//
// Input: file kind byte, four bytes of backup number, then a text that is tried as a label and as
// a name; after a NUL byte, the bytes of a name list file (without one, the text serves as that).
#include "Check.h"
#include "backup/BackupStore.h"
#include "common/Errors.h"
#include "common/FileKinds.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fw::FileKind;

bool accepted(void (*check)(std::string_view), std::string_view text) {
  try {
    check(text);
    return true;
  } catch (const fw::Error&) {
    return false;
  }
}

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// What keeps a text from being a part of a plain file name: a way out of the folder, a drive or
// stream, a byte that Windows refuses in names, a control byte.
bool hasForbiddenPart(std::string_view text) {
  if (text.find("..") != std::string_view::npos) return true;
  for (char c : text)
    if (isControl(static_cast<unsigned char>(c)) ||
        std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
      return true;
  return false;
}

void checkPlainName(std::string_view name) {
  FUZZ_CHECK(!name.empty() && name != "." && name != "..", "a plain name names a file, not a folder");
  FUZZ_CHECK(name.find_first_of("/\\:") == std::string_view::npos,
             "a plain name holds no separator or drive");
  FUZZ_CHECK(name.find("..") == std::string_view::npos, "a plain name holds no ..");
  for (char c : name)
    FUZZ_CHECK(!isControl(static_cast<unsigned char>(c)), "a plain name holds no control byte");
}

// Line count of a list file, counted from the bytes: every line end (CR LF, lone CR, lone LF)
// closes a line, blank or not, and text after the last one is a line of its own.
std::size_t linesIn(std::string_view bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    if (bytes[i] == '\r' || bytes[i] == '\n') ++count;
  }
  if (!bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n') ++count;
  return count;
}

void checkNumbering(FileKind k, std::string_view listBytes, std::string_view otherBytes) {
  fw::MainState s;
  for (FileKind each : fw::kFileKinds)
    fw::fieldsOf(s, each).names.Items =
        fw::LineBuffer::fromBytes(std::string(each == k ? listBytes : otherBytes)).lines();
  const std::size_t count = linesIn(listBytes);
  FUZZ_CHECK(fw::backup::nextNumber(s, k) == static_cast<int>(count) + 1,
             "the next number is the line count + 1");
  FUZZ_CHECK(s.Hb == std::to_string(count), "the count passes through Hb");
  for (FileKind other : fw::kFileKinds)
    if (other != k)
      FUZZ_CHECK(fw::backup::nextNumber(s, other) == static_cast<int>(linesIn(otherBytes)) + 1,
                 "each file kind numbers on its own");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const auto k = static_cast<FileKind>(data[0] % 3);
  const std::uint32_t raw =
      data[1] | data[2] << 8 | data[3] << 16 | static_cast<std::uint32_t>(data[4]) << 24;
  const int number = static_cast<int>(raw % 0x7FFFFFFFu) + 1; // what nextNumber can give: 1 and up
  const std::string_view rest(reinterpret_cast<const char*>(data) + 5, size - 5);
  const std::size_t nul = rest.find('\0');
  const std::string_view text = rest.substr(0, nul);
  const std::string_view listBytes = nul == std::string_view::npos ? rest : rest.substr(nul + 1);

  if (accepted(fw::backup::requirePlainLabel, text)) {
    const std::string name = fw::backup::backupName(k, text, number);
    checkPlainName(name);
    const std::string_view prefix = fw::kindInfo(k).prefix;
    const std::string tail = "_" + std::to_string(number) + ".hb";
    FUZZ_CHECK(name.size() == prefix.size() + text.size() + tail.size() && name.starts_with(prefix) &&
                   name.substr(prefix.size(), text.size()) == text && name.ends_with(tail),
               "a backup name is prefix, label, _, number, .hb");
    FUZZ_CHECK(accepted(fw::backup::requirePlainName, name), "a name the writer makes can be restored");
  } else {
    FUZZ_CHECK(hasForbiddenPart(text), "a label is refused only for a part that no file name may hold");
  }

  // An empty name passes on purpose: the restore then fails to read the folder with the ordinary
  // "Cannot open file" message, as for any backup that is not there.
  if (accepted(fw::backup::requirePlainName, text)) {
    if (!text.empty()) checkPlainName(text);
  } else {
    FUZZ_CHECK(text == "." || hasForbiddenPart(text), "a name is refused only when not plain");
  }

  checkNumbering(k, listBytes, text);
  return 0;
}
