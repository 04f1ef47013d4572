// Windows: the console takes UTF-16, the command line comes as UTF-16, and the user's regional
// settings render the time.
#include "platform/Console.h"
#include "platform/windows/Wide.h"

#include <cstdio>
#include <shellapi.h>

namespace fw::platform {

std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> out;
  for (int i = 0; words && i < count; ++i)
    out.push_back(narrow(words[i]));
  LocalFree(words);
  return out;
}

void write(Stream stream, std::string_view utf8) {
  HANDLE h = GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &mode)) {
    const std::wstring text = wide(utf8);
    DWORD written = 0;
    WriteConsoleW(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  std::FILE* file = stream == Stream::Out ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
  std::clearerr(file);
}

bool changeDirectory(const std::string& path) { return SetCurrentDirectoryW(wide(path).c_str()) != 0; }

bool userSpeaksRussian() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN; }

// Windows has no broken pipe signal: a write to a closed pipe only fails.
void keepRunningWithoutOutput() {}

LocalTime localNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

// The W functions and UTF-8, not the A ones: those render in the ANSI code page, which is
// Windows-1251 only on Cyrillic systems, while the caller needs one known encoding everywhere.
std::optional<std::string> userTimestamp(const LocalTime& at) {
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(at.year), t.wMonth = static_cast<WORD>(at.month),
  t.wDay = static_cast<WORD>(at.day);
  t.wHour = static_cast<WORD>(at.hour), t.wMinute = static_cast<WORD>(at.minute);
  t.wSecond = static_cast<WORD>(at.second), t.wMilliseconds = static_cast<WORD>(at.millisecond);
  wchar_t date[128] = {}, time[128] = {};
  if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, 128, nullptr) == 0)
    return std::nullopt;
  if (at.midnight()) return narrow(date);
  if (GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, nullptr, time, 128) == 0) return std::nullopt;
  return narrow(std::wstring(date) + L" " + time);
}

} // namespace fw::platform
