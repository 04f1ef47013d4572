// Backup names are made from the vehicle label and read back from a restore list the user can
// edit: whatever the checks let through stays one plain file name inside its backup folder.
#include "Check.h"
#include "backup/BackupStore.h"
#include "common/Errors.h"

namespace {

bool accepted(void (*check)(std::string_view), std::string_view text) {
  try {
    check(text);
    return true;
  } catch (const fw::Error&) {
    return false;
  }
}

bool plain(std::string_view name) {
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F ||
        std::string_view("/\\:").find(static_cast<char>(c)) != std::string_view::npos)
      return false;
  return name != "." && name.find("..") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto kind = static_cast<fw::FileKind>(data[0] % 3);
  const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
  if (accepted(fw::backup::requirePlainLabel, text)) {
    const std::string name = fw::backup::backupName(kind, text, data[1] + 1);
    FUZZ_CHECK(plain(name) && accepted(fw::backup::requirePlainName, name),
               "an accepted label makes a plain name");
  }
  if (accepted(fw::backup::requirePlainName, text))
    FUZZ_CHECK(plain(text), "an accepted name is a plain file name");
  return 0;
}
